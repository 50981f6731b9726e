#pragma once

#include "core/NumberLocale.h"

#include <QLabel>
#include <QWidget>

class TViewport2D;

// Shows a viewport as the screen sees it (its picture with the bodies over it) and, for the main
// viewport, the readout of the body under the mouse in a small panel beside it.
class ViewportWidget : public QWidget {
    Q_OBJECT
public:
    ViewportWidget(TViewport2D &viewport, NumberLocale locale, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TViewport2D &m_viewport;
    NumberLocale m_locale;
    QLabel *m_infoMemo;
};
