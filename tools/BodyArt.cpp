#include "BodyArt.h"

#include "ArtRandom.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QLinearGradient>

#include <array>
#include <cmath>

namespace {

enum class Look { Rocky, Banded, Ringed, Earth, Mars, Icy, Volcanic, Star, Satellite, Probe, Rocket };

// How a preset body looks: its kind and up to three colours (base, dark, light).
struct BodyLook {
    std::string_view name;
    Look look;
    QRgb base;
    QRgb dark;
    QRgb light;
};

constexpr std::array<BodyLook, 28> Looks{{
    {"Sun", Look::Star, 0xFFFFD23A, 0xFFFF8C00, 0xFFFFFBE0},
    {"Mercury", Look::Rocky, 0xFF9A8F85, 0xFF5E5650, 0xFFC4BAB0},
    {"Venus", Look::Banded, 0xFFE8D3A0, 0xFFCDB071, 0xFFF6EACB},
    {"Earth", Look::Earth, 0xFF1E5BB8, 0xFF2E7D32, 0xFFFFFFFF},
    {"Moon", Look::Rocky, 0xFFB4B4B4, 0xFF6E6E6E, 0xFFD8D8D8},
    {"Mars", Look::Mars, 0xFFC1440E, 0xFF7A2A0A, 0xFFF4ECE6},
    {"Jupiter", Look::Banded, 0xFFD8B48A, 0xFF9C6B43, 0xFFF2E6D2},
    {"Saturn", Look::Ringed, 0xFFE3CB8F, 0xFFB8965A, 0xFFF3E6C0},
    {"Uranus", Look::Banded, 0xFF9FE3E8, 0xFF86CFD6, 0xFFC2F2F4},
    {"Neptune", Look::Banded, 0xFF3F6FE0, 0xFF26459E, 0xFF7CA2F2},
    {"Pluto", Look::Icy, 0xFFCDAF8E, 0xFF7E5B43, 0xFFF1E6DA},
    {"Satellite", Look::Satellite, 0xFFD4A017, 0xFF1F3C88, 0xFFC0C0C0},
    {"Phobos", Look::Rocky, 0xFF8A7F74, 0xFF4F4740, 0xFFAEA396},
    {"Deimos", Look::Rocky, 0xFF9C9182, 0xFF625A50, 0xFFC2B8AA},
    {"Space Probe", Look::Probe, 0xFFE8E8E8, 0xFF8A6A20, 0xFFFFFFFF},
    {"Rocket", Look::Rocket, 0xFFF2F2F2, 0xFFD32F2F, 0xFFFFB300},
    {"Charon", Look::Rocky, 0xFF9A9A9A, 0xFF5A5250, 0xFFC6C6C6},
    {"Ceres", Look::Rocky, 0xFF77726C, 0xFF45413D, 0xFFA8A29A},
    {"Eris", Look::Icy, 0xFFEDEDED, 0xFFB8B8B8, 0xFFFFFFFF},
    {"Dysnomia", Look::Rocky, 0xFF858585, 0xFF4A4A4A, 0xFFAAAAAA},
    {"Red Dwarf", Look::Star, 0xFFFF5030, 0xFF9E1000, 0xFFFFB090},
    {"Red Supergiant", Look::Star, 0xFFFF7040, 0xFFB02000, 0xFFFFC8A0},
    {"Europa", Look::Icy, 0xFFEDE3D0, 0xFFA0704A, 0xFFFFFFFF},
    {"Io", Look::Volcanic, 0xFFF0D860, 0xFFA0501A, 0xFFFFF4B0},
    {"Ganymede", Look::Rocky, 0xFF8E857A, 0xFF5A5248, 0xFFC8C0B4},
    {"Callisto", Look::Rocky, 0xFF5F574F, 0xFF3A342E, 0xFFA89E92},
    {"White Dwarf", Look::Star, 0xFFF4F8FF, 0xFF9DB8FF, 0xFFFFFFFF},
    {"Neutron Star", Look::Star, 0xFFD8E4FF, 0xFF5070F0, 0xFFFFFFFF},
}};

QColor withAlpha(QRgb rgb, int alpha)
{
    QColor color = QColor::fromRgba(rgb);
    color.setAlpha(alpha);
    return color;
}

// A point spread evenly over the disc of radius r about c.
QPointF pointInDisc(ArtRandom &rng, QPointF c, double r)
{
    const double angle = rng.uniform(0, 2 * M_PI);
    const double dist = r * std::sqrt(rng.uniform());
    return c + QPointF(dist * std::cos(angle), dist * std::sin(angle));
}

void blotches(QPainter &p, ArtRandom &rng, QPointF c, double r, int count, QRgb color, int alpha, double minR,
              double maxR)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at = pointInDisc(rng, c, r);
        const double rx = r * rng.uniform(minR, maxR);
        const double ry = rx * rng.uniform(0.6, 1.0);
        p.setBrush(withAlpha(color, alpha));
        p.drawEllipse(at, rx, ry);
    }
}

void craters(QPainter &p, ArtRandom &rng, QPointF c, double r, int count, const BodyLook &look)
{
    for (int i = 0; i < count; ++i) {
        const QPointF at = pointInDisc(rng, c, r * 0.95);
        const double size = r * rng.uniform(0.03, 0.14);
        p.setPen(QPen(withAlpha(look.dark, 150), std::max(1.0, size * 0.18)));
        p.setBrush(withAlpha(look.dark, 70));
        p.drawEllipse(at, size, size * 0.9);
        // The far inner wall catches the light.
        p.setPen(QPen(withAlpha(look.light, 120), std::max(1.0, size * 0.12)));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(at.x() - size * 0.8, at.y() - size * 0.7, size * 1.6, size * 1.4), 200 * 16, 140 * 16);
    }
}

void bands(QPainter &p, ArtRandom &rng, QPointF c, double r, const BodyLook &look, double contrast)
{
    const std::array<QRgb, 3> colors{look.base, look.dark, look.light};
    double y = c.y() - r;
    int i = 0;
    p.setPen(Qt::NoPen);
    while (y < c.y() + r) {
        const double h = r * rng.uniform(0.06, 0.16);
        const double wave = r * rng.uniform(0.005, 0.025);
        QPainterPath band;
        band.moveTo(c.x() - r, y);
        for (double x = -r; x <= r; x += r / 16)
            band.lineTo(c.x() + x, y + wave * std::sin(x / r * 9 + i));
        for (double x = r; x >= -r; x -= r / 16)
            band.lineTo(c.x() + x, y + h + wave * std::sin(x / r * 7 + i));
        band.closeSubpath();
        p.setBrush(withAlpha(colors[size_t(rng.next() % 3)], int(255 * contrast)));
        p.drawPath(band);
        y += h;
        ++i;
    }
}

void earthSurface(QPainter &p, ArtRandom &rng, QPointF c, double r)
{
    p.setPen(Qt::NoPen);
    for (int continent = 0; continent < 5; ++continent) {
        const QPointF centre = pointInDisc(rng, c, r * 0.8);
        for (int i = 0; i < 9; ++i) {
            const QPointF at = centre + QPointF(rng.uniform(-0.22, 0.22) * r, rng.uniform(-0.22, 0.22) * r);
            const bool desert = rng.uniform() < 0.25;
            p.setBrush(QColor::fromRgba(desert ? 0xFFB89B5E : (rng.uniform() < 0.5 ? 0xFF2E7D32 : 0xFF3C8F3A)));
            p.drawEllipse(at, r * rng.uniform(0.06, 0.16), r * rng.uniform(0.05, 0.12));
        }
    }
    p.setBrush(QColor(245, 248, 255));
    p.drawEllipse(QPointF(c.x(), c.y() - r), r * 0.55, r * 0.16);
    p.drawEllipse(QPointF(c.x(), c.y() + r), r * 0.6, r * 0.18);
    for (int i = 0; i < 14; ++i) {
        p.save();
        const QPointF at = pointInDisc(rng, c, r);
        p.translate(at);
        p.rotate(rng.uniform(-30, 30));
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QPointF(), r * rng.uniform(0.12, 0.3), r * rng.uniform(0.025, 0.06));
        p.restore();
    }
}

void cracks(QPainter &p, ArtRandom &rng, QPointF c, double r, QRgb color)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 16; ++i) {
        QPainterPath path(pointInDisc(rng, c, r));
        double angle = rng.uniform(0, 2 * M_PI);
        for (int s = 0; s < 8; ++s) {
            angle += rng.uniform(-0.4, 0.4);
            path.lineTo(path.currentPosition() + QPointF(std::cos(angle), std::sin(angle)) * r * 0.12);
        }
        p.setPen(QPen(withAlpha(color, 150), r * 0.015));
        p.drawPath(path);
    }
}

// Light from the upper left, dark at the limb: makes the flat texture a sphere.
void shade(QPainter &p, QPointF c, double r)
{
    QRadialGradient light(c - QPointF(r * 0.35, r * 0.35), r * 1.45);
    light.setColorAt(0.0, QColor(255, 255, 255, 70));
    light.setColorAt(0.45, QColor(255, 255, 255, 0));
    light.setColorAt(0.8, QColor(0, 0, 0, 110));
    light.setColorAt(1.0, QColor(0, 0, 0, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(c, r, r);
}

void texture(QPainter &p, ArtRandom &rng, QPointF c, double r, const BodyLook &look, std::string_view name)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(look.base));
    p.drawEllipse(c, r, r);
    switch (look.look) {
    case Look::Rocky:
        blotches(p, rng, c, r, 10, look.light, 60, 0.15, 0.4);
        blotches(p, rng, c, r, 8, look.dark, 60, 0.1, 0.3);
        craters(p, rng, c, r, name == "Callisto" ? 70 : 35, look);
        break;
    case Look::Banded:
    case Look::Ringed:
        bands(p, rng, c, r, look, name == "Jupiter" || name == "Saturn" ? 0.85 : 0.4);
        if (name == "Jupiter") {
            p.setBrush(QColor(190, 80, 50, 220));
            p.drawEllipse(QPointF(c.x() + r * 0.3, c.y() + r * 0.35), r * 0.2, r * 0.11);
        }
        break;
    case Look::Earth:
        earthSurface(p, rng, c, r);
        break;
    case Look::Mars:
        blotches(p, rng, c, r, 14, look.dark, 90, 0.08, 0.3);
        p.setBrush(QColor::fromRgba(look.light));
        p.drawEllipse(QPointF(c.x(), c.y() - r * 0.95), r * 0.35, r * 0.12);
        break;
    case Look::Icy:
        blotches(p, rng, c, r, 8, look.dark, 45, 0.1, 0.35);
        if (name == "Pluto")
            blotches(p, rng, QPointF(c.x() + r * 0.2, c.y() + r * 0.2), r * 0.3, 6, look.light, 200, 0.5, 0.8);
        cracks(p, rng, c, r, look.dark);
        break;
    case Look::Volcanic:
        blotches(p, rng, c, r, 12, 0xFFE8B040, 120, 0.1, 0.3);
        blotches(p, rng, c, r, 40, look.dark, 170, 0.02, 0.07);
        blotches(p, rng, c, r, 10, 0xFF202020, 190, 0.015, 0.04);
        break;
    default:
        break;
    }
    shade(p, c, r);
}

void planet(QPainter &p, ArtRandom &rng, QPointF c, double r, const BodyLook &look, std::string_view name)
{
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.save();
    p.setClipPath(disc);
    texture(p, rng, c, r, look, name);
    p.restore();
}

void ringHalf(QPainter &p, QPointF c, double r, const BodyLook &look, bool front)
{
    p.save();
    p.translate(c);
    p.rotate(-18);
    p.setClipRect(front ? QRectF(-3 * r, 0, 6 * r, 3 * r) : QRectF(-3 * r, -3 * r, 6 * r, 3 * r));
    const std::array<std::pair<double, int>, 5> rings{{{2.15, 90}, {2.0, 200}, {1.78, 0}, {1.7, 230}, {1.45, 150}}};
    p.setBrush(Qt::NoBrush);
    for (const auto &[outer, alpha] : rings) {
        p.setPen(QPen(withAlpha(alpha == 0 ? 0xFF000000 : look.dark, alpha), r * 0.12));
        p.drawEllipse(QPointF(), r * outer, r * outer * 0.3);
    }
    p.restore();
}

void star(QPainter &p, ArtRandom &rng, QPointF c, double size, const BodyLook &look)
{
    const double glow = size * 0.5;
    const double r = size * 0.36;
    QRadialGradient corona(c, glow);
    corona.setColorAt(0.0, QColor::fromRgba(look.light));
    corona.setColorAt(0.5, QColor::fromRgba(look.base));
    corona.setColorAt(r / glow, QColor::fromRgba(look.dark));
    corona.setColorAt(r / glow + 0.03, withAlpha(look.base, 150));
    corona.setColorAt(0.86, withAlpha(look.dark, 40));
    corona.setColorAt(1.0, withAlpha(look.dark, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(corona);
    p.drawEllipse(c, glow, glow);
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.save();
    p.setClipPath(disc);
    blotches(p, rng, c, r, 60, look.light, 40, 0.03, 0.1);
    blotches(p, rng, c, r, 30, look.dark, 35, 0.03, 0.12);
    p.restore();
}

void solarPanel(QPainter &p, QRectF rect)
{
    p.setPen(QPen(QColor(170, 180, 200), 2));
    p.setBrush(QColor(31, 60, 136));
    p.drawRect(rect);
    p.setPen(QPen(QColor(90, 120, 190), 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(rect.left() + rect.width() * i / 4, rect.top()),
                   QPointF(rect.left() + rect.width() * i / 4, rect.bottom()));
    p.drawLine(QPointF(rect.left(), rect.center().y()), QPointF(rect.right(), rect.center().y()));
}

void satellite(QPainter &p, double s, const BodyLook &look)
{
    p.translate(s / 2, s / 2);
    p.rotate(-25);
    p.setPen(QPen(QColor(120, 120, 120), 3));
    p.drawLine(QPointF(-s * 0.42, 0), QPointF(s * 0.42, 0));
    solarPanel(p, QRectF(-s * 0.48, -s * 0.1, s * 0.3, s * 0.2));
    solarPanel(p, QRectF(s * 0.18, -s * 0.1, s * 0.3, s * 0.2));
    QLinearGradient foil(-s * 0.1, -s * 0.12, s * 0.1, s * 0.12);
    foil.setColorAt(0, QColor::fromRgba(look.light).lighter(120));
    foil.setColorAt(0.3, QColor::fromRgba(look.base));
    foil.setColorAt(1, QColor::fromRgba(look.base).darker(160));
    p.setPen(QPen(QColor(110, 80, 10), 2));
    p.setBrush(foil);
    p.drawRect(QRectF(-s * 0.1, -s * 0.13, s * 0.2, s * 0.26));
    p.setBrush(QColor(230, 230, 230));
    p.drawChord(QRectF(-s * 0.08, -s * 0.26, s * 0.16, s * 0.12), 180 * 16, 180 * 16);
    p.drawLine(QPointF(0, -s * 0.2), QPointF(0, -s * 0.29));
}

void probe(QPainter &p, double s, const BodyLook &look)
{
    p.translate(s / 2, s / 2);
    p.rotate(20);
    p.setPen(QPen(QColor(90, 90, 90), 3));
    p.drawLine(QPointF(0, 0), QPointF(s * 0.44, s * 0.2));
    p.drawLine(QPointF(0, 0), QPointF(-s * 0.4, s * 0.28));
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(QRectF(s * 0.38, s * 0.16, s * 0.08, s * 0.08));
    p.setPen(QPen(QColor::fromRgba(look.dark), 2));
    p.setBrush(QColor(190, 150, 60));
    p.drawRect(QRectF(-s * 0.09, -s * 0.02, s * 0.18, s * 0.16));
    QRadialGradient dish(QPointF(-s * 0.05, -s * 0.2), s * 0.3);
    dish.setColorAt(0, QColor::fromRgba(look.light));
    dish.setColorAt(1, QColor::fromRgba(look.base).darker(130));
    p.setPen(QPen(QColor(150, 150, 150), 2));
    p.setBrush(dish);
    p.drawEllipse(QPointF(0, -s * 0.12), s * 0.3, s * 0.12);
    p.drawLine(QPointF(0, -s * 0.12), QPointF(0, -s * 0.28));
}

void rocket(QPainter &p, double s, const BodyLook &look)
{
    p.translate(s / 2, s / 2);
    p.rotate(35);
    QRadialGradient flame(QPointF(0, s * 0.3), s * 0.16);
    flame.setColorAt(0, QColor(255, 255, 200));
    flame.setColorAt(0.5, QColor::fromRgba(look.light));
    flame.setColorAt(1, QColor(255, 80, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(flame);
    p.drawEllipse(QPointF(0, s * 0.33), s * 0.09, s * 0.16);
    p.setBrush(QColor::fromRgba(look.dark));
    for (int side : {-1, 1}) {
        QPolygonF fin{QPointF(side * s * 0.07, s * 0.08), QPointF(side * s * 0.17, s * 0.24),
                      QPointF(side * s * 0.07, s * 0.2)};
        p.drawPolygon(fin);
    }
    QLinearGradient hull(-s * 0.07, 0, s * 0.07, 0);
    hull.setColorAt(0, QColor::fromRgba(look.base).darker(140));
    hull.setColorAt(0.4, QColor::fromRgba(look.base));
    hull.setColorAt(1, QColor::fromRgba(look.base).darker(170));
    p.setPen(QPen(QColor(110, 110, 110), 1.5));
    p.setBrush(hull);
    p.drawRect(QRectF(-s * 0.07, -s * 0.2, s * 0.14, s * 0.42));
    p.setBrush(QColor::fromRgba(look.dark));
    p.drawPolygon(QPolygonF{QPointF(-s * 0.07, -s * 0.2), QPointF(0, -s * 0.4), QPointF(s * 0.07, -s * 0.2)});
    p.setBrush(QColor(120, 190, 255));
    p.drawEllipse(QPointF(0, -s * 0.08), s * 0.035, s * 0.035);
}

}  // namespace

QImage drawBodyPicture(std::string_view name, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng(name);
    const QPointF c(size / 2.0, size / 2.0);
    const BodyLook *look = nullptr;
    for (const BodyLook &entry : Looks)
        if (entry.name == name)
            look = &entry;
    static constexpr BodyLook Plain{"", Look::Rocky, 0xFF909090, 0xFF505050, 0xFFC0C0C0};
    if (!look)
        look = &Plain;
    switch (look->look) {
    case Look::Star:
        star(p, rng, c, size, *look);
        break;
    case Look::Ringed:
        ringHalf(p, c, size * 0.22, *look, false);
        planet(p, rng, c, size * 0.22, *look, name);
        ringHalf(p, c, size * 0.22, *look, true);
        break;
    case Look::Satellite:
        satellite(p, size, *look);
        break;
    case Look::Probe:
        probe(p, size, *look);
        break;
    case Look::Rocket:
        rocket(p, size, *look);
        break;
    default:
        planet(p, rng, c, size * 0.47, *look, name);
        break;
    }
    return image;
}
