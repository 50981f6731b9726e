#include "render/CoordinateAxes.h"

#include "core/MathRoutines.h"
#include "core/StringRoutines.h"
#include "render/DrawingScene.h"

#include <QFontMetricsF>
#include <QThreadPool>

#include <cmath>

namespace {

int roundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }

struct Grid {
    const AxesView &view;
    AxesLayout &layout;
    int labelW;
    int labelH;
    int xLabelTop;  // top of the labels just above the x-axis

    TPointF project(const TMYPoint3D &P) const
    {
        return view.camera.RealPosToScreenPos(P, static_cast<float>(view.ScaleFactor), view.W, view.H, view.OrFrac);
    }
    // Pulls the far end of a line towards the x-axis until it lies in front of the camera.
    void pullInFront(TMYPoint3D &A) const
    {
        for (int k = 0; k < 2000 && view.camera.CameraCoord(A).Z <= 0; ++k)
            A.Y *= 0.95;
    }
    void label(const QRectF &box, Qt::Alignment vertical, const std::string &text)
    {
        layout.labels.push_back({box, Qt::AlignLeft | vertical, text});
    }
    void line(TPointF a, TPointF b, bool axis) { layout.lines.push_back({a, b, axis}); }
    std::string km(double metres) const { return FloatToDisplayStr(metres / 1000, view.locale); }

    void axisNames(TPointF yAxisTop);
    void linesParallelToY();
    void linesParallelToX();
};

void Grid::axisNames(TPointF b)
{
    const int L = roundHalfEven(view.W * view.OrFrac.X - labelW - 15);
    const int halfH = roundHalfEven(view.H / 2);
    int T;
    if (b.Y <= 60)
        T = 20;
    else if (b.Y <= halfH)
        T = roundHalfEven(b.Y) - 60;
    else if (b.Y <= roundHalfEven(view.H) - 60)
        T = roundHalfEven(b.Y) + 5;
    else
        T = roundHalfEven(view.H) - 20;
    label(QRectF(L, T, labelW + 5, labelH), Qt::AlignVCenter, "y / km");
    const int right = roundHalfEven(view.W - 50);
    label(QRectF(right, xLabelTop, labelW + 5, labelH), Qt::AlignVCenter, "x / km");
}

void Grid::linesParallelToY()
{
    const double tick = layout.tick;
    for (int i = layout.iMin; i <= layout.iMax; ++i) {
        TMYPoint3D A{i * tick, layout.jMin * tick, 0.0};
        const TMYPoint3D B{i * tick, layout.jMax * tick, 0.0};
        pullInFront(A);
        const TPointF b = project(B);
        line(project(A), b, i == 0);
        if (i == 0) {
            axisNames(b);
        } else if (i % 2 == 0) {
            const TPointF p = project({i * tick, 0.0, 0.0});
            const int L = roundHalfEven(p.X) - labelW / 2;
            if (L >= 50 && L <= view.W - 50)
                label(QRectF(L, xLabelTop, labelW, labelH), Qt::AlignVCenter, km(i * tick));
        }
    }
}

void Grid::linesParallelToX()
{
    const double tick = layout.tick;
    for (int j = layout.jMin; j <= layout.jMax; ++j) {
        TMYPoint3D A{layout.iMin * tick, j * tick, 0.0};
        pullInFront(A);
        // Both ends share their y, so the pulled line stays parallel to the x-axis instead of running to
        // a mirrored point behind the camera.
        const TMYPoint3D B{layout.iMax * tick, A.Y, 0.0};
        const TPointF a = project(A);
        if (a.Y >= 0 && a.Y <= view.H)
            line(a, project(B), j == 0);
        if (j != 0 && j % 2 == 0) {
            const int L = roundHalfEven(view.W * view.OrFrac.X) - labelW;
            const int T = roundHalfEven(a.Y) - labelH / 2;
            if (T >= 60 && T <= view.H - 20)
                label(QRectF(L, T, labelW, labelH), Qt::AlignTop, km(A.Y));
        }
    }
}

// The axes tasks get a pool of their own: a task waiting for the drawing lock must never hold a thread of
// the global pool, where Qt's own parallel image work may be queued by the thread that holds the lock.
QThreadPool &axesPool()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(1);
    return pool;
}

int halfRange(float orFrac) { return roundHalfEven(10 * std::fabs(orFrac - 0.5)); }

} // namespace

AxesView AxesViewOf(const TCamera2D &camera, const TCelObjCollection &collection, const TViewport2D &viewport,
                    NumberLocale locale)
{
    return {camera,          collection.ScaleFactor,  collection.OrFrac,         viewport.width(), viewport.height(),
            viewport.FormScale(), viewport.WhiteBackground, locale};
}

AxesLayout LayOutAxes(const AxesView &view, int labelW, int labelH)
{
    AxesLayout layout;
    // Without a camera distance or a scale every grid point sits at the eye: there is nothing to draw.
    if (!(view.camera.d > 0) || !std::isfinite(view.camera.d) || !(view.ScaleFactor > 0) ||
        !std::isfinite(view.ScaleFactor))
        return layout;
    layout.tick = RoundToNiceValue(view.ScaleFactor) / 10;
    const int fx = halfRange(view.OrFrac.X), fy = halfRange(view.OrFrac.Y);
    layout.iMin = -8 - fx;
    layout.iMax = fx + 8;
    layout.jMin = -8 - fy;
    layout.jMax = fy + 8;
    Grid grid{view, layout, labelW, labelH, roundHalfEven(view.H * view.OrFrac.Y - labelH - 5)};
    grid.linesParallelToY();
    grid.linesParallelToX();
    return layout;
}

void DrawAxes(const AxesView &view, TViewport2D &viewport)
{
    const QSize pixels(std::max(1, roundHalfEven(view.W * view.FormScale)), std::max(1, roundHalfEven(view.H * view.FormScale)));
    {
        DrawingScene scene(viewport.GridBM, [&](QImage &grid) {
            grid = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            grid.fill(Qt::transparent);
            grid.setDevicePixelRatio(view.FormScale);
        });
        if (!scene.isActive())
            return;
        QPainter &painter = scene.painter();
        const QColor colour = view.WhiteBackground ? QColor(0, 0, 0) : QColor(255, 255, 255);
        painter.setPen(QPen(colour, 1));
        const QFontMetricsF metrics(painter.font());
        const int labelW = roundHalfEven(metrics.horizontalAdvance(QStringLiteral("-5E11")) + 2);
        const int labelH = roundHalfEven(metrics.height()) + 2;
        const AxesLayout layout = LayOutAxes(view, labelW, labelH);
        if (layout.lines.empty())
            return;
        for (const auto &line : layout.lines) {
            painter.setOpacity(line.axis ? 0.8 : 0.4);
            painter.drawLine(QPointF(line.a.X, line.a.Y), QPointF(line.b.X, line.b.Y));
        }
        painter.setOpacity(1.0);
        for (const auto &label : layout.labels)
            painter.drawText(label.box, label.alignment | Qt::TextSingleLine, QString::fromStdString(label.text));
    }
    DrawingScene scene(viewport.picture());
    if (!scene.isActive())
        return;
    const QImage &grid = viewport.GridBM;
    const QRectF whole(0, 0, scene.picture().width() / view.FormScale, scene.picture().height() / view.FormScale);
    scene.painter().drawImage(whole, grid, QRectF(0, 0, grid.width(), grid.height()));
}

void DrawAxes(const TCamera2D &camera, const TCelObjCollection &collection, TViewport2D &viewport, NumberLocale locale)
{
    DrawAxes(AxesViewOf(camera, collection, viewport, locale), viewport);
}

void StartDrawAxes(const TCamera2D &camera, const TCelObjCollection &collection, TViewport2D &viewport,
                   NumberLocale locale)
{
    const AxesView view = AxesViewOf(camera, collection, viewport, locale);
    viewport.axesTaskStarted();
    // The hand-over happens under the drawing lock, and the task takes it before it reads what it was
    // given: the task's data is complete before its first read, by a rule the sanitizer can see too.
    std::lock_guard<std::mutex> handOver(DrawingScene::drawingLock());
    axesPool().start([view, &viewport] {
        { std::lock_guard<std::mutex> handedOver(DrawingScene::drawingLock()); }
        DrawAxes(view, viewport);
        viewport.axesTaskFinished();
    });
}
