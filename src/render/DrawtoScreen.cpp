#include "render/DrawtoScreen.h"

#include "render/DrawingScene.h"
#include "render/GradientCircle.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float MinimumImageSize = 6.0f;  // pixels: smaller bodies are drawn this size

float distance(TPointF a, TPointF b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

bool isFinite(TPointF p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

QPointF toQt(TPointF p) { return QPointF(p.X, p.Y); }

// The projection arguments every routine passes for one viewport.
struct Projection {
    const TCamera2D &camera;
    float scale;
    float W;
    float H;
    TPointF Fr;

    Projection(const TCamera2D &c, const TCelObjCollection &collection, const TViewport2D &viewport)
        : camera(c)
        , scale(static_cast<float>(collection.ScaleFactor))
        , W(viewport.width())
        , H(viewport.height())
        , Fr(collection.OrFrac)
    {
    }
    TPointF screen(const TMYPoint3D &cameraCoord) const
    {
        return camera.CameraCoordToScreenPos(cameraCoord, scale, W, H, Fr);
    }
    TPointF world(const TMYPoint3D &worldCoord) const { return screen(camera.CameraCoord(worldCoord)); }
};

} // namespace

void SetPrevScreenPositions(const TCamera2D &camera, TCelObjCollection &collection, const TViewport2D &viewport)
{
    const Projection projection(camera, collection, viewport);
    for (auto &body : collection.AllCelObj)
        body.PrevScreenPos = projection.world(body.PosRelToCentralBody);
}

void DrawBodies(const TCamera2D &camera, TCelObjCollection &collection, TViewport2D &viewport)
{
    viewport.SyncBodyImages(collection);
    const Projection projection(camera, collection, viewport);
    {
        // Nothing is painted into the picture; the scene keeps the placing in step with other drawing.
        DrawingScene scene(viewport.picture());
        for (size_t i = 0; i < collection.AllCelObj.size(); ++i) {
            TCelObj2D &body = collection.AllCelObj[i];
            BodyImage &image = viewport.BodyImages[i];
            image.Visible = true;
            const TMYPoint3D c = camera.CameraCoord(body.PosRelToCentralBody);
            if (!camera.IsInFrontOfNearPlane(c)) {
                image.Visible = false;
                continue;
            }
            const float r = body.Radius * body.ImageScale;
            // The edge point lies diagonally at r*sqrt(2) from the centre: sqrt(2) x that distance is 2r.
            const TPointF edge = projection.screen({c.X - r, c.Y + r, c.Z});
            float size = std::sqrt(2.0f) * distance(edge, body.PrevScreenPos);
            if (!(size >= 7.0f))
                size = MinimumImageSize;
            image.Width = image.Height = size;
            body.ImageUpperLeftPos = camera.RealPosToScreenPosImage(body.PosRelToCentralBody, projection.scale,
                                                                    projection.W, projection.H, projection.Fr, size, size);
            image.Position = body.ImageUpperLeftPos;
        }
        CheckForImageOverlap(camera, collection, viewport);
        BodyImage &marker = viewport.CMImage;
        marker.Position = camera.RealPosToScreenPosImage(collection.CMObj.PosRelToCentralBody, projection.scale,
                                                         projection.W, projection.H, projection.Fr, marker.Width,
                                                         marker.Height);
        marker.Visible = collection.CMObj.Visible;
        viewport.BringToFront(TViewport2D::MarkerId);
    }
}

bool ZOrderContains(int32_t ItemNr, const std::vector<TZOrder> &list)
{
    return std::any_of(list.begin(), list.end(), [ItemNr](const TZOrder &z) { return z.ItemNr == ItemNr; });
}

void CheckForImageOverlap(const TCamera2D &camera, const TCelObjCollection &collection, TViewport2D &viewport)
{
    const auto &bodies = collection.AllCelObj;
    std::vector<TZOrder> list;
    auto add = [&](size_t k) {
        if (!ZOrderContains(static_cast<int32_t>(k), list))
            list.push_back({static_cast<int32_t>(k), camera.CameraCoord(bodies[k].PosRelToCentralBody).Z});
    };
    for (size_t i = 0; i < bodies.size(); ++i) {
        for (size_t j = i + 1; j < bodies.size(); ++j) {
            const float reach = (viewport.BodyImages[i].Width + viewport.BodyImages[j].Width) / 2;
            if (distance(bodies[i].PrevScreenPos, bodies[j].PrevScreenPos) < reach) {
                add(i);
                add(j);
            }
        }
    }
    if (list.empty())
        return;
    std::stable_sort(list.begin(), list.end(), [](const TZOrder &a, const TZOrder &b) { return a.ZCoord < b.ZCoord; });
    // The farthest stays put; each nearer one is raised after the farther ones, so the nearest ends on top.
    for (int k = static_cast<int>(list.size()) - 2; k >= 0; --k)
        viewport.BringToFront(list[k].ItemNr);
}

QColor TrailColour(uint32_t trailCol, double z, double scaleFactor)
{
    const QColor colour = QColor::fromRgba(trailCol);
    return z < -scaleFactor * 1e-6 ? TSphere2D::ChangeLightness(colour, -0.3) : colour;
}

namespace {

// Trail segments and orbit projections of one colour, painted together: one call for thousands of lines
// instead of one each. Painting order only matters between colours, and every change of colour flushes.
class TrailBatch {
public:
    explicit TrailBatch(QPainter &painter)
        : m_painter(painter)
    {
    }
    ~TrailBatch() { flush(); }

    void setColour(const QColor &colour)
    {
        if (colour == m_colour)
            return;
        flush();
        m_colour = colour;
    }
    // A segment that starts where the previous one ended continues its polyline.
    void segment(TPointF a, TPointF b)
    {
        if (m_runs.empty() || m_points.back() != toQt(a)) {
            m_points.push_back(toQt(a));
            m_runs.push_back(1);
        }
        m_points.push_back(toQt(b));
        ++m_runs.back();
    }
    void projection(const TMYPoint3D &P, const Projection &projection)
    {
        if (!projection.camera.IsInFrontOfNearPlane(projection.camera.CameraCoord({P.X, P.Y, 0.0})))
            return;
        const TPointF p = projection.world(P);
        const TPointF q = projection.world({P.X, P.Y, 0.0});
        if (P.Z > 0)
            m_lines.emplace_back(toQt(p), toQt(q));
        m_dots.emplace_back(q.X - 1.0, q.Y - 1.0, 2.0, 2.0);
    }
    void flush()
    {
        if (m_runs.empty() && m_lines.empty() && m_dots.empty())
            return;
        QPen pen(m_colour, 1);
        pen.setCosmetic(true);
        m_painter.setPen(pen);
        const QPointF *run = m_points.data();
        for (int length : m_runs) {
            m_painter.drawPolyline(run, length);
            run += length;
        }
        m_painter.drawLines(m_lines.data(), static_cast<int>(m_lines.size()));
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(m_colour);
        for (const QRectF &dot : m_dots)
            m_painter.drawEllipse(dot);
        m_points.clear();
        m_runs.clear();
        m_lines.clear();
        m_dots.clear();
    }

private:
    QPainter &m_painter;
    QColor m_colour;
    std::vector<QPointF> m_points;  // trail polylines, one after the other
    std::vector<int> m_runs;        // the number of points of each
    std::vector<QLineF> m_lines;    // drop lines
    std::vector<QRectF> m_dots;
};

} // namespace

void DrawOrbitProjection(const TMYPoint3D &P, const TCamera2D &camera, const TCelObjCollection &collection,
                         const TViewport2D &viewport, QPainter &painter)
{
    TrailBatch batch(painter);
    batch.setColour(painter.pen().color());
    batch.projection(P, Projection(camera, collection, viewport));
}

void DrawTrails(const TCamera2D &camera, TCelObjCollection &collection, TViewport2D &viewport)
{
    const Projection projection(camera, collection, viewport);
    const bool projections = collection.Options.ShowOrbitProjec && collection.OrbitProjecIndicator % 10 == 0;
    DrawingScene scene(viewport.picture());
    TrailBatch batch(scene.painter());
    for (const auto &body : collection.AllCelObj) {
        const TMYPoint3D c = camera.CameraCoord(body.PosRelToCentralBody);
        if (!camera.IsInFrontOfNearPlane(c))
            continue;
        batch.setColour(TrailColour(body.TrailCol, body.PosRelToCentralBody.Z, collection.ScaleFactor));
        const TPointF p = projection.screen(c);
        // The previous position may have been behind the camera: no segment from a point that has none.
        if (isFinite(body.PrevScreenPos))
            batch.segment(body.PrevScreenPos, p);
        if (projections)
            batch.projection(body.PosRelToCentralBody, projection);
    }
}

namespace {

void replayTrail(TCelObj2D &body, const Projection &projection, double scaleFactor, bool projections,
                 int64_t &counter, TrailBatch &batch)
{
    TPosArray &stored = body.PositionStorage;
    stored.ResetReadingFromArray();
    const QColor colour = TrailColour(body.TrailCol, 0.0, scaleFactor);
    const QColor below = TrailColour(body.TrailCol, -std::numeric_limits<double>::infinity(), scaleFactor);
    const double belowPlane = -scaleFactor * 1e-6;
    TPointF a = projection.world(stored.ReadFromArray());
    int side = -1;  // the colour in use: 0 on or above the plane, 1 below
    for (int32_t k = 1; k < stored.NrItems; ++k) {
        ++counter;
        const TMYPoint3D p = stored.ReadFromArray();
        if (const int now = p.Z < belowPlane ? 1 : 0; now != side) {
            side = now;
            batch.setColour(side ? below : colour);
        }
        const TMYPoint3D c = projection.camera.CameraCoord(p);
        const TPointF b = projection.screen(c);
        if (projection.camera.IsInFrontOfNearPlane(c)) {
            batch.segment(a, b);
            if (projections && counter % 10 == 0)
                batch.projection(p, projection);
        }
        a = b;
    }
}

} // namespace

void RedrawViewport(const TCamera2D &camera, TCelObjCollection &collection, TViewport2D &viewport)
{
    viewport.SetBackground(collection.Options.ShowStarBKG);
    if (collection.Options.ShowTrails) {
        const Projection projection(camera, collection, viewport);
        DrawingScene scene(viewport.picture());
        TrailBatch batch(scene.painter());
        int64_t counter = 0;  // runs on from body to body
        for (size_t i = 0; i < collection.AllCelObj.size(); ++i) {
            TCelObj2D &body = collection.AllCelObj[i];
            // The view's central body sits at the origin all along unless the centre of mass drifts.
            if (static_cast<int32_t>(i) == collection.CentralCelObj && collection.CMObj.VelCM.Length() == 0.0)
                continue;
            if (body.PositionStorage.NrItems == 0)
                continue;
            replayTrail(body, projection, collection.ScaleFactor, collection.Options.ShowOrbitProjec, counter, batch);
        }
    }
    DrawBodies(camera, collection, viewport);
}

void DrawIntermediatePositions(const TCelObjCollection &collection, TViewport2D &viewport)
{
    viewport.SyncBodyImages(collection);
    DrawingScene scene(viewport.picture());
    for (size_t i = 0; i < collection.AllCelObj.size(); ++i) {
        const TCelObj2D &body = collection.AllCelObj[i];
        const BodyImage &image = viewport.BodyImages[i];
        // A hidden body (behind the camera) has no place on screen to stamp.
        if (body.CentralBody || !body.ShowIMPos || !image.Visible)
            continue;
        PaintBodyImage(scene.painter(), image, image.rect());
    }
    const bool markerMoves = collection.CentralCelObj != -1 || collection.CMObj.VelCM.Length() > 0.0;
    if (collection.Options.ShowTrails && collection.CMObj.Visible && markerMoves) {
        PaintMarkerImage(scene.painter(), viewport.CMImage.rect());
    }
}

void DrawLinesFromCM(const TCelObjCollection &collection, TViewport2D &viewport)
{
    const BodyImage &marker = viewport.CMImage;
    const QPointF centre(marker.Position.X + marker.Width / 2, marker.Position.Y + marker.Height / 2);
    DrawingScene scene(viewport.picture());
    for (const auto &body : collection.AllCelObj) {
        if (!body.ShowIMPos || !isFinite(body.PrevScreenPos))
            continue;
        scene.painter().setPen(QPen(QColor::fromRgba(body.TrailCol), 1));
        scene.painter().drawLine(toQt(body.PrevScreenPos), centre);
    }
}
