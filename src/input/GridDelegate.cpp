#include "input/GridDelegate.h"

#include "input/ColourPicker.h"
#include "input/InputGrid.h"
#include "input/SolarSystemData.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>

namespace {

// The drop-down list shows whole preset names, wider than the name column.
constexpr int NameListWidth = 140;
constexpr int TextMargin = 2;
constexpr int MinFontPixels = 8;

QComboBox *createNameEditor(QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view name : PresetListNames)
        combo->addItem(QString::fromUtf8(name.data(), qsizetype(name.size())));
    combo->view()->setMinimumWidth(NameListWidth);
    return combo;
}

}  // namespace

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    switch (index.column()) {
    case TMyGrid::NameCol:
        return createNameEditor(parent);
    case TMyGrid::ColorCol:
        return new ColourPicker(parent);
    default:
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        combo->setEditText(index.data(Qt::EditRole).toString());
    } else if (auto *picker = qobject_cast<ColourPicker *>(editor)) {
        picker->setColor(index.data(Qt::BackgroundRole).value<QColor>());
        emit colourEditorReady(picker);
    } else {
        QStyledItemDelegate::setEditorData(editor, index);
    }
}

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        model->setData(index, combo->currentText(), Qt::EditRole);
    else if (auto *picker = qobject_cast<ColourPicker *>(editor))
        model->setData(index, picker->color(), Qt::BackgroundRole);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
    emit cellEdited(index);
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (index.column() == TMyGrid::PictureCol) {
        const QImage picture = index.data(Qt::DecorationRole).value<QImage>();
        if (!picture.isNull()) {
            painter->save();
            painter->setRenderHint(QPainter::SmoothPixmapTransform);
            painter->drawImage(option.rect, picture);
            painter->restore();
        }
        return;
    }
    const QVariant fill = index.data(Qt::BackgroundRole);
    if (fill.isValid())
        painter->fillRect(option.rect, fill.value<QColor>());
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    // A number cut short would hide its exponent: the text shrinks to fit the narrow column instead.
    const QRect area = option.rect.adjusted(TextMargin, 0, -TextMargin, 0);
    QFont font = option.font;
    while (QFontMetrics(font).horizontalAdvance(text) > area.width() && font.pixelSize() > MinFontPixels)
        font.setPixelSize(font.pixelSize() - 1);
    painter->save();
    painter->setFont(font);
    painter->setPen(option.palette.color(QPalette::Text));
    const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    painter->drawText(area, int(alignment), QFontMetrics(font).elidedText(text, Qt::ElideRight, area.width()));
    painter->restore();
}

bool GridDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto *editor = qobject_cast<QWidget *>(object);
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
