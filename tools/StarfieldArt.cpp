#include "StarfieldArt.h"

#include "ArtRandom.h"

#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace {

// What sets one star field apart from the others.
struct FieldLook {
    int stars;         // faint stars
    int brightStars;   // stars with a halo
    QRgb sky;          // background
    QRgb nebula;       // 0: none
    bool milkyWay;     // a dense diagonal band
};

constexpr std::array<FieldLook, 12> Fields{{
    {9000, 40, 0xFF000000, 0, false},
    {2500, 25, 0xFF02030A, 0, false},
    {7000, 50, 0xFF03020A, 0xFF6A2C91, false},
    {14000, 60, 0xFF000005, 0, true},
    {1200, 15, 0xFF000000, 0, false},
    {6000, 40, 0xFF020608, 0xFF1E7F8C, false},
    {11000, 70, 0xFF050205, 0xFFA8324A, true},
    {4000, 30, 0xFF000000, 0xFF2A4DB0, false},
    {20000, 80, 0xFF010103, 0, true},
    {3000, 20, 0xFF030303, 0xFF8C5A1E, false},
    {8000, 55, 0xFF000208, 0xFF5C2D8C, true},
    {600, 10, 0xFF000000, 0, false},
}};

QColor starColour(ArtRandom &rng, int brightness)
{
    // Mostly white, a few bluish or reddish stars.
    const double tint = rng.uniform();
    if (tint < 0.15)
        return QColor(brightness * 4 / 5, brightness * 9 / 10, brightness);
    if (tint < 0.25)
        return QColor(brightness, brightness * 4 / 5, brightness * 3 / 5);
    return QColor(brightness, brightness, brightness);
}

void nebula(QPainter &p, ArtRandom &rng, QRgb color, int w, int h)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const QPointF at(rng.uniform(0.1, 0.9) * w, rng.uniform(0.1, 0.9) * h);
        const double r = rng.uniform(0.1, 0.35) * w;
        QColor inner = QColor::fromRgba(color);
        inner.setAlpha(int(rng.uniform(25, 70)));
        QColor outer = inner;
        outer.setAlpha(0);
        // Flattened by scaling the painter, not the ellipse, so that the cloud fades out at its edge.
        QRadialGradient cloud(QPointF(), r);
        cloud.setColorAt(0, inner);
        cloud.setColorAt(1, outer);
        p.save();
        p.translate(at);
        p.scale(1.0, rng.uniform(0.5, 1.0));
        p.setBrush(cloud);
        p.drawEllipse(QPointF(), r, r);
        p.restore();
    }
}

// A point near the diagonal band from the lower left to the upper right.
QPointF bandPoint(ArtRandom &rng, int w, int h)
{
    const double t = rng.uniform();
    const double spread = (rng.uniform() + rng.uniform() + rng.uniform() - 1.5) * 0.18 * h;
    return QPointF(t * w, h - t * h * 0.8 - h * 0.1 + spread);
}

void stars(QPainter &p, ArtRandom &rng, const FieldLook &look, int w, int h)
{
    const int total = look.stars + (look.milkyWay ? look.stars : 0);
    for (int i = 0; i < total; ++i) {
        const QPointF at = i >= look.stars ? bandPoint(rng, w, h) : QPointF(rng.uniform(0, w), rng.uniform(0, h));
        // Faint stars far outnumber bright ones.
        const double b = std::pow(rng.uniform(), 3.0);
        p.setPen(Qt::NoPen);
        p.setBrush(starColour(rng, 60 + int(b * 195)));
        const double r = 0.4 + b * 1.2;
        p.drawEllipse(at, r, r);
    }
    for (int i = 0; i < look.brightStars; ++i) {
        const QPointF at(rng.uniform(0, w), rng.uniform(0, h));
        const double r = rng.uniform(3, 9);
        QColor core = starColour(rng, 255);
        QColor halo = core;
        halo.setAlpha(0);
        QRadialGradient glow(at, r);
        glow.setColorAt(0, core);
        glow.setColorAt(0.25, core);
        glow.setColorAt(1, halo);
        p.setBrush(glow);
        p.drawEllipse(at, r, r);
    }
}

}  // namespace

QImage drawStarfield(int index, int width, int height)
{
    const FieldLook &look = Fields[size_t((index - 1) % int(Fields.size()))];
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgba(look.sky));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng(0x5EED0000ull + uint64_t(index));
    if (look.nebula)
        nebula(p, rng, look.nebula, width, height);
    stars(p, rng, look, width, height);
    return image;
}
