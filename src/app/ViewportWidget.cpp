#include "app/ViewportWidget.h"

#include "render/Viewport2D.h"

#include <QMouseEvent>
#include <QPainter>

ViewportWidget::ViewportWidget(TViewport2D &viewport, NumberLocale locale, QWidget *parent)
    : QWidget(parent)
    , m_viewport(viewport)
    , m_locale(locale)
    , m_infoMemo(new QLabel(this))
{
    setFixedSize(sizeHint());
    setMouseTracking(true);
    m_infoMemo->setObjectName(QStringLiteral("InfoMemo"));
    m_infoMemo->setStyleSheet(QStringLiteral("background: #f4f4f4; color: black; border: 1px solid #888;"
                                             "padding: 3px; font-family: monospace;"));
    m_infoMemo->hide();
}

QSize ViewportWidget::sizeHint() const
{
    return QSize(static_cast<int>(m_viewport.width()), static_cast<int>(m_viewport.height()));
}

void ViewportWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(rect(), m_viewport.ComposeView());
}

void ViewportWidget::mouseMoveEvent(QMouseEvent *event)
{
    const HoverReadout readout =
        HoverReadoutAt(m_viewport, m_viewport.MyCelObjCollection, event->position(), m_locale);
    if (readout.body < 0) {
        m_infoMemo->hide();
        return;
    }
    QStringList lines;
    for (const auto &line : readout.lines)
        lines << QString::fromStdString(line);
    m_infoMemo->setText(lines.join(QLatin1Char('\n')));
    m_infoMemo->adjustSize();
    m_infoMemo->move(readout.panelPosition.toPoint());
    m_infoMemo->raise();
    m_infoMemo->show();
}

void ViewportWidget::leaveEvent(QEvent *) { m_infoMemo->hide(); }
