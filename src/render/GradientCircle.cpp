#include "render/GradientCircle.h"

#include <QRadialGradient>

#include <algorithm>

QColor TSphere2D::ChangeLightness(QColor color, double delta)
{
    const QColor hsl = color.toHsl();
    const double lightness = std::clamp(hsl.lightnessF() + delta, 0.0, 1.0);
    // A grey has no hue of its own (-1); keep it grey rather than let it turn red.
    const double hue = hsl.hslHueF() < 0 ? 0.0 : hsl.hslHueF();
    QColor changed = QColor::fromHslF(hue, hsl.hslSaturationF(), lightness, hsl.alphaF());
    return changed.toRgb();
}

void TSphere2D::Paint(QPainter &painter, const QRectF &rect, QRgb argb)
{
    const QColor color = QColor::fromRgba(argb);
    const QColor rim = ChangeLightness(color, -0.3);
    QRadialGradient gradient(rect.center(), std::min(rect.width(), rect.height()) / 2);
    gradient.setColorAt(0.0, ChangeLightness(color, 0.3));
    gradient.setColorAt(1.0, rim);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(rim, 1.0));
    painter.setBrush(gradient);
    painter.drawEllipse(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

QImage TSphere2D::Render(int size, QRgb argb)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Paint(painter, QRectF(0, 0, size, size), argb);
    return image;
}
