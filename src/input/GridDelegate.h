#pragma once

#include <QStyledItemDelegate>

class ColourPicker;

// Draws and edits the parameter grid's cells: pictures and colours fill their cells, the name column is
// edited with the preset names at hand, the colour column with the colour picker, and Enter moves on to
// the next column.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    // A colour editor has its cell's colour and waits to be dropped down.
    void colourEditorReady(ColourPicker *picker) const;
    // The editor's value has been stored in the cell: the grid reacts to a finished name or colour.
    void cellEdited(const QModelIndex &index) const;

protected:
    bool eventFilter(QObject *editor, QEvent *event) override;
};
