#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

// The shaded disc of a body that has no picture of its own: a radial gradient from the body's colour
// with HSL lightness +0.3 at the centre to lightness -0.3 at the rim, outlined in the darker shade.
// Used by the viewports, the parameter grid's picture column and the dialogs that list bodies.
class TSphere2D {
public:
    // The colour with its HSL lightness moved by delta (clamped to 0..1); hue, saturation and alpha kept.
    static QColor ChangeLightness(QColor color, double delta);

    static void Paint(QPainter &painter, const QRectF &rect, QRgb argb);
    // A picture of the disc on a transparent background, as the grid and dialogs show it.
    static QImage Render(int size, QRgb argb);
};
