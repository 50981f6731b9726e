#include "render/Arrows.h"

#include "render/DrawingScene.h"
#include "render/GradientCircle.h"

#include <cmath>
#include <numbers>

TMYPoint3D ArrowEndPoint(const TMYPoint3D &P, const TMYPoint3D &V, float s) { return P + V * static_cast<double>(s); }

void PaintArrow(QPainter &painter, ArrowKind kind, TPointF S, TPointF T, QRgb colour)
{
    if (!std::isfinite(S.X) || !std::isfinite(S.Y) || !std::isfinite(T.X) || !std::isfinite(T.Y))
        return;
    const double len = std::hypot(double(T.X) - S.X, double(T.Y) - S.Y);
    if (len <= 10)
        return;
    constexpr double pi = std::numbers::pi;
    double theta;
    if (T.X != S.X)
        theta = std::atan((double(T.Y) - S.Y) / (double(T.X) - S.X));
    else
        theta = T.Y > S.Y ? pi / 2 : -pi / 2;
    if (T.X < S.X)
        theta += pi;
    const double L = len <= 25 ? 10 : 15;
    const QPointF tip(T.X, T.Y);
    auto barb = [&](double angle) {
        return tip + QPointF(std::nearbyint(L * std::cos(theta + angle)), std::nearbyint(L * std::sin(theta + angle)));
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(colour), kind == ArrowKind::Acceleration ? 3 : 2));
    painter.setOpacity(0.7);
    painter.drawLine(QPointF(S.X, S.Y), tip);
    painter.drawLine(tip, barb(0.825 * pi));
    painter.drawLine(tip, barb(1.1375 * pi));
    painter.restore();
}

void DrawArrow(ArrowKind kind, TViewport2D &viewport, TPointF S, TPointF T, QRgb colour)
{
    DrawingScene scene(viewport.picture());
    if (scene.isActive())
        PaintArrow(scene.painter(), kind, S, T, colour);
}

namespace {

void drawArrows(ArrowKind kind, const TCamera2D &camera, const TCelObjCollection &collection, TViewport2D &viewport,
                TPointF Fr)
{
    const bool acceleration = kind == ArrowKind::Acceleration;
    const float factor = acceleration ? collection.AccArrowScaleFactor : collection.VelArrowScaleFactor;
    for (const auto &body : collection.AllCelObj) {
        const TMYPoint3D tip = ArrowEndPoint(body.PosRelToCentralBody, acceleration ? body.a : body.v, factor);
        const TMYPoint3D c = camera.CameraCoord(tip);
        if (!camera.IsInFrontOfNearPlane(camera.CameraCoord(body.PosRelToCentralBody)) || !camera.IsInFrontOfNearPlane(c))
            continue;
        const TPointF t = camera.CameraCoordToScreenPos(c, static_cast<float>(collection.ScaleFactor),
                                                        collection.WidthViewPort2D, collection.HeightViewPort2D, Fr);
        const QColor base = QColor::fromRgba(body.TrailCol);
        const QRgb colour = acceleration ? base.rgba() : TSphere2D::ChangeLightness(base, 0.3).rgba();
        DrawArrow(kind, viewport, body.PrevScreenPos, t, colour);
    }
}

} // namespace

void DrawAccelerationArrows(const TCamera2D &camera, const TCelObjCollection &collection, TViewport2D &viewport, TPointF Fr)
{
    drawArrows(ArrowKind::Acceleration, camera, collection, viewport, Fr);
}

void DrawVelocityArrows(const TCamera2D &camera, const TCelObjCollection &collection, TViewport2D &viewport, TPointF Fr)
{
    drawArrows(ArrowKind::Velocity, camera, collection, viewport, Fr);
}
