#include "input/ColourPicker.h"

#include "input/ColourDialogService.h"

#include <QFrame>
#include <QGridLayout>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int PaletteColumns = 8;
constexpr int SwatchSize = 20;

}  // namespace

ColourPicker::ColourPicker(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
}

const QList<QRgb> &ColourPicker::paletteColors()
{
    static const QList<QRgb> colors{
        0xFFFFFFFF, 0xFFD3D3D3, 0xFF808080, 0xFF404040, 0xFF000000, 0xFF8B4513, 0xFFD2B48C, 0xFFF1EFEF,
        0xFFFF0000, 0xFF8B0000, 0xFFFFA500, 0xFFFFFF00, 0xFFFCEF78, 0xFFA3F30C, 0xFF00FF00, 0xFF008000,
        0xFF00FFFF, 0xFFBBFFFF, 0xFF9EEFF5, 0xFF75BAFF, 0xFF0080FF, 0xFF0000FF, 0xFF000080, 0xFF800080,
        0xFFFF00FF, 0xFFFFC0CB, 0xFFFF7F50, 0xFFB22222, 0xFF6B8E23, 0xFF4682B4, 0xFF483D8B, 0xFFEE82EE,
    };
    return colors;
}

void ColourPicker::setColor(const QColor &color)
{
    m_color = color;
    m_color.setAlpha(255);
    update();
}

void ColourPicker::dropDown()
{
    if (!m_palette)
        buildPalette();
    m_palette->adjustSize();
    m_palette->move(mapToGlobal(QPoint(0, height())));
    m_palette->show();
}

void ColourPicker::buildPalette()
{
    m_palette = new QFrame(this, Qt::Popup);
    m_palette->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(m_palette);
    auto *swatches = new QGridLayout;
    swatches->setSpacing(2);
    const QList<QRgb> &colors = paletteColors();
    for (int i = 0; i < colors.size(); ++i) {
        const QColor color = QColor::fromRgba(colors[i]);
        auto *swatch = new QToolButton(m_palette);
        swatch->setFixedSize(SwatchSize, SwatchSize);
        swatch->setToolTip(color.name().toUpper());
        swatch->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #606060;").arg(color.name()));
        connect(swatch, &QToolButton::clicked, this, [this, color] { choose(color); });
        swatches->addWidget(swatch, i / PaletteColumns, i % PaletteColumns);
    }
    layout->addLayout(swatches);
    auto *more = new QPushButton(tr("More Colors..."), m_palette);
    more->setObjectName(QStringLiteral("moreColors"));
    connect(more, &QPushButton::clicked, this, &ColourPicker::askForAnyColour);
    layout->addWidget(more);
}

void ColourPicker::choose(const QColor &color)
{
    m_palette->hide();
    setColor(color);
    emit colorSelected(m_color);
}

void ColourPicker::askForAnyColour()
{
    m_palette->hide();
    const std::optional<QColor> chosen = ColourDialogService::current().pickColour(m_color, this);
    if (chosen && chosen->isValid()) {
        setColor(*chosen);
        emit colorSelected(m_color);
    }
}

void ColourPicker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColourPicker::mousePressEvent(QMouseEvent *)
{
    // A click on the open editor brings the palette back after it was dismissed.
    dropDown();
}
