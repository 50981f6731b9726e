#pragma once

#include <QColor>
#include <QWidget>

class QFrame;

// The colour cell's in-place editor: shows the chosen colour and drops down a palette whose last entry
// asks the colour service for any other colour. Every choice is opaque.
class ColourPicker : public QWidget {
    Q_OBJECT
public:
    explicit ColourPicker(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    // Shows the palette below the editor.
    void dropDown();
    // The palette pop-up (created on first drop-down; nullptr before).
    QFrame *palettePopup() const { return m_palette; }

    // The colours of the palette, row by row.
    static const QList<QRgb> &paletteColors();

signals:
    void colorSelected(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void buildPalette();
    void choose(const QColor &color);
    void askForAnyColour();

    QColor m_color = Qt::gray;
    QFrame *m_palette = nullptr;  // child pop-up window, freed with the editor
};
