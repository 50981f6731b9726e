#include "render/Viewport2D.h"

#include "core/DecimalText.h"
#include "render/DrawingScene.h"
#include "render/GradientCircle.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstring>

QString DefaultObjectsFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Objects"); }

QString DefaultBackgroundFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Background"); }

QImage LoadBodyPicture(const QString &objectsFolder, const std::string &objName)
{
    const QString name = QString::fromStdString(objName);
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return {};
    const QString path = objectsFolder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!QFileInfo(path).isFile())
        return {};
    QImage picture(path);
    return picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

namespace {

int roundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }

// d.ddddE0nn: at most `significant` digits, trailing zeros dropped, the exponent at least minDigits long.
std::string shortScientific(double x, int significant, int minDigits, char separator)
{
    DecimalDigits dd = DecimalDigits::of(x);
    dd.roundToSignificant(significant);
    std::string digits = dd.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string text = dd.negative ? "-" : "";
    text += digits.substr(0, 1);
    if (digits.size() > 1)
        text += separator + digits.substr(1);
    const int exponent = dd.isZero() ? 0 : dd.pointPos - 1;
    std::string e = std::to_string(std::abs(exponent));
    if (static_cast<int>(e.size()) < minDigits)
        e.insert(0, minDigits - e.size(), '0');
    return text + "E" + (exponent < 0 ? "-" : "") + e;
}

} // namespace

std::string TimeText(double DisplayedTime, bool TimeFormatSeconds, NumberLocale locale)
{
    const char sep = locale.decimalSeparator;
    if (!std::isfinite(DisplayedTime))
        return NonFiniteText(DisplayedTime) + " s";
    if (TimeFormatSeconds) {
        if (DisplayedTime < 1e9)
            return FixedText(DisplayedTime, 0, sep) + " s";
        return shortScientific(DisplayedTime, 5, 3, sep) + " s";
    }
    constexpr double year = 3.15576e7;  // s, 365.25 days
    const double q = DisplayedTime / year;
    const double years = std::trunc(q);
    const double days = (q - years) * 365.25;
    const std::string yearText = std::fabs(years) < 1e7 ? FixedText(years, 0, sep) : shortScientific(years, 7, 1, sep);
    return yearText + " y " + FixedText(days, 1, sep) + " d";
}

TViewport2D::TViewport2D(Kind kind, float width, float height, float formScale)
    : BackgroundFolder(DefaultBackgroundFolder())
    , ObjectsFolder(DefaultObjectsFolder())
    , m_kind(kind)
    , m_width(width)
    , m_height(height)
    , m_formScale(formScale)
{
    TimerViewPort.setInterval(10);
    BackgroundFileNr = QRandomGenerator::global()->bounded(1, 13);
    GridBM = QImage(std::max(1, roundHalfEven(width)), std::max(1, roundHalfEven(height)),
                    QImage::Format_ARGB32_Premultiplied);
    GridBM.fill(Qt::transparent);
    SetBackground(false);
}

TViewport2D::~TViewport2D() { waitForAxesTasks(); }

void TViewport2D::waitForAxesTasks()
{
    std::unique_lock<std::mutex> lock(m_tasksMutex);
    m_tasksDone.wait(lock, [this] { return m_pendingAxesTasks == 0; });
}

void TViewport2D::setSize(float width, float height)
{
    m_width = width;
    m_height = height;
}

QString TViewport2D::BackgroundFileName() const
{
    if (BackgroundFileNr < 1 || BackgroundFileNr > 12)
        return {};
    return BackgroundFolder + QStringLiteral("/Starfield%1L.jpg").arg(BackgroundFileNr);
}

void TViewport2D::SetBackground(bool WithImage)
{
    const QSize pixels(std::max(1, roundHalfEven(m_width * m_formScale)), std::max(1, roundHalfEven(m_height * m_formScale)));
    const QString file = WithImage ? BackgroundFileName() : QString();
    QImage star;
    if (!file.isEmpty() && QFileInfo(file).isFile()) {
        // Loading and stretching a star picture takes longer than a whole redraw; keep the result.
        if (m_starFile != file || m_starPicture.size() != pixels) {
            const QImage loaded(file);
            m_starFile = loaded.isNull() ? QString() : file;
            m_starPicture = loaded.isNull() ? QImage()
                                            : loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                                  .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        star = m_starPicture;
    }
    const QRgb plain = WhiteBackground ? 0xFFFFFFFFu : 0xFF000000u;
    const float scale = m_formScale;
    DrawingScene scene(m_picture, [&](QImage &picture) {
        // A picture of the right size is painted over in place: a redraw then allocates nothing.
        if (picture.size() != pixels || picture.format() != QImage::Format_ARGB32_Premultiplied)
            picture = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(scale);
        if (star.isNull()) {
            picture.fill(plain);
        } else if (star.format() == picture.format() && star.size() == picture.size() &&
                   star.bytesPerLine() == picture.bytesPerLine()) {
            std::memcpy(picture.bits(), star.constBits(), static_cast<size_t>(picture.sizeInBytes()));
        } else {
            picture = star.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            picture.setDevicePixelRatio(scale);
        }
    });
}

std::string TViewport2D::TimeText(NumberLocale locale) const
{
    return ::TimeText(MyCelObjCollection.DisplayedTime, MyCelObjCollection.Options.TimeFormatSeconds, locale);
}

bool TViewport2D::bodyImagesMatch(const TCelObjCollection &collection) const
{
    const auto &bodies = collection.AllCelObj;
    if (bodies.size() != BodyImages.size())
        return false;
    for (size_t i = 0; i < bodies.size(); ++i)
        if (BodyImages[i].objName != bodies[i].ObjName || BodyImages[i].discColor != bodies[i].TrailCol)
            return false;
    return true;
}

void TViewport2D::SyncBodyImages(const TCelObjCollection &collection)
{
    if (bodyImagesMatch(collection) && !m_stacking.empty())
        return;
    const auto &bodies = collection.AllCelObj;
    BodyImages.assign(bodies.size(), BodyImage{});
    m_stacking.clear();
    for (size_t i = 0; i < bodies.size(); ++i) {
        BodyImages[i].objName = bodies[i].ObjName;
        BodyImages[i].picture = LoadBodyPicture(ObjectsFolder, bodies[i].ObjName);
        BodyImages[i].discColor = bodies[i].TrailCol;
        m_stacking.push_back(static_cast<int>(i));
    }
    CMImage = BodyImage{};
    CMImage.Width = CMImage.Height = TCenterMassObj::SizePixels;
    m_stacking.push_back(MarkerId);
}

void TViewport2D::BringToFront(int id)
{
    const auto it = std::find(m_stacking.begin(), m_stacking.end(), id);
    if (it != m_stacking.end())
        std::rotate(it, it + 1, m_stacking.end());
}

bool TViewport2D::isAbove(int upper, int lower) const
{
    const auto u = std::find(m_stacking.begin(), m_stacking.end(), upper);
    const auto l = std::find(m_stacking.begin(), m_stacking.end(), lower);
    return u != m_stacking.end() && l != m_stacking.end() && u > l;
}

void PaintBodyImage(QPainter &painter, const BodyImage &image, const QRectF &rect)
{
    if (image.hasPicture()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect, image.picture);
        painter.restore();
    } else {
        TSphere2D::Paint(painter, rect, image.discColor);
    }
}

void PaintMarkerImage(QPainter &painter, const QRectF &rect)
{
    QRadialGradient gradient(rect.center(), rect.width() / 2);
    gradient.setColorAt(0.0, QColor::fromRgba(TCenterMassObj::HighlightColor));
    gradient.setColorAt(1.0, QColor::fromRgba(TCenterMassObj::Color));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(TCenterMassObj::Color), 1.0));
    painter.setBrush(gradient);
    painter.drawEllipse(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

void TViewport2D::PaintBodyImages(QPainter &painter) const
{
    for (int id : m_stacking) {
        if (id == MarkerId) {
            if (CMImage.Visible)
                PaintMarkerImage(painter, CMImage.rect());
        } else if (BodyImages[id].Visible) {
            PaintBodyImage(painter, BodyImages[id], BodyImages[id].rect());
        }
    }
}

QImage TViewport2D::ComposeView()
{
    QImage view;
    {
        DrawingScene scene(m_picture);
        view = m_picture.copy();
    }
    view.setDevicePixelRatio(m_formScale);
    QPainter painter(&view);
    PaintBodyImages(painter);
    return view;
}

void TViewport2D::axesTaskStarted()
{
    std::lock_guard<std::mutex> lock(m_tasksMutex);
    ++m_pendingAxesTasks;
}

void TViewport2D::axesTaskFinished()
{
    std::lock_guard<std::mutex> lock(m_tasksMutex);
    --m_pendingAxesTasks;
    m_tasksDone.notify_all();
}

HoverReadout HoverReadoutAt(const TViewport2D &viewport, const TCelObjCollection &collection, QPointF mouse,
                            NumberLocale locale)
{
    HoverReadout readout;
    if (viewport.kind() != TViewport2D::Kind::Main)
        return readout;
    const auto &order = viewport.stackingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (*it == TViewport2D::MarkerId || *it >= static_cast<int>(viewport.BodyImages.size()) ||
            *it >= static_cast<int>(collection.AllCelObj.size()))
            continue;
        const BodyImage &image = viewport.BodyImages[*it];
        if (!image.Visible || !image.rect().contains(mouse))
            continue;
        readout.body = *it;
        readout.panelPosition = QPointF(image.Position.X + image.Width + 5, image.Position.Y);
        readout.lines = FillInfoMemo(collection.AllCelObj[*it], locale);
        return readout;
    }
    return readout;
}
