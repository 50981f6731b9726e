#include "input/InputGrid.h"

#include "input/BodyPictures.h"
#include "input/ColourPicker.h"
#include "input/GridDelegate.h"
#include "input/SolarSystemData.h"
#include "render/GradientCircle.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>

#include <array>

namespace {

struct ColumnLook {
    const char *heading;
    int width;
};

constexpr std::array<ColumnLook, TMyGrid::ColumnTotal> Columns{{
    {"", 34},
    {"Name", 55},
    {"m (kg)", 55},
    {"r(km)", 55},
    {"Col", 34},
    {"x (km)", 55},
    {"y (km)", 55},
    {"z (km)", 55},
    {"vx (m/s)", 55},
    {"vy (m/s)", 55},
    {"vz (m/s)", 55},
    {"Scale", 55},
    {"C", 24},
}};

struct TextColumn {
    int col;
    std::string TCelObjData::*field;
};

constexpr std::array<TextColumn, 10> TextColumns{{
    {TMyGrid::NameCol, &TCelObjData::aName},
    {TMyGrid::MassCol, &TCelObjData::aMass},
    {TMyGrid::RadiusCol, &TCelObjData::aRadius},
    {TMyGrid::PosXCol, &TCelObjData::aPosx},
    {TMyGrid::PosYCol, &TCelObjData::aPosy},
    {TMyGrid::PosZCol, &TCelObjData::aPosz},
    {TMyGrid::VelXCol, &TCelObjData::aVelocityx},
    {TMyGrid::VelYCol, &TCelObjData::aVelocityy},
    {TMyGrid::VelZCol, &TCelObjData::aVelocityz},
    {TMyGrid::ScaleCol, &TCelObjData::aImageScale},
}};

constexpr int HeaderFontPixels = 11;
constexpr int BodyFontPixels = 12;

TCelObjData freshRow()
{
    TCelObjData row;
    row.aPosx = row.aPosy = row.aPosz = "0";
    row.aVelocityx = row.aVelocityy = row.aVelocityz = "0";
    row.aImageScale = "1";
    row.aColor = TMyGrid::FreshRowColor;
    return row;
}

NumberLocale systemNumberLocale()
{
    return QLocale().decimalPoint() == QStringLiteral(",") ? NumberLocale::comma() : NumberLocale::point();
}

// An exclusive radio button cannot be unchecked directly.
void uncheckRadio(QRadioButton *button)
{
    const bool autoExclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
}

}  // namespace

TMyGrid::TMyGrid(QWidget *parent, const QString &objectsFolder)
    : QTableWidget(parent),
      m_delegate(new GridDelegate(this)),
      m_centralGroup(new QButtonGroup(this)),
      m_locale(systemNumberLocale()),
      m_objectsFolder(objectsFolder.isEmpty() ? BodyPictures::defaultFolder() : objectsFolder)
{
    setItemDelegate(m_delegate);
    setUpColumns();
    setRowCountAndHeight(2);
    connect(m_delegate, &GridDelegate::colourEditorReady, this, &TMyGrid::colourEditorReady);
    connect(m_delegate, &GridDelegate::cellEdited, this, &TMyGrid::cellEdited);
    connect(m_centralGroup, &QButtonGroup::buttonClicked, this, &TMyGrid::centralBodyClicked);
    connect(qApp, &QApplication::focusChanged, this, &TMyGrid::focusChanged);
}

TMyGrid::~TMyGrid()
{
    // The base destructors move the focus while they free the editors: this part must not hear of it.
    disconnect(qApp, nullptr, this, nullptr);
}

void TMyGrid::setUpColumns()
{
    setColumnCount(ColumnTotal);
    QStringList headings;
    int width = 0;
    for (const ColumnLook &look : Columns) {
        headings << QString::fromLatin1(look.heading);
        width += look.width;
    }
    setHorizontalHeaderLabels(headings);
    QHeaderView *header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumSectionSize(1);
    header->setFixedHeight(RowHeight);
    header->setSectionsClickable(false);
    for (int col = 0; col < ColumnTotal; ++col)
        header->resizeSection(col, Columns[size_t(col)].width);
    header->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: #87CEEB; border: none;"
                                         " border-right: 1px solid #6CA6CD; border-bottom: 1px solid #6CA6CD; }"));
    QFont bodyFont = font();
    bodyFont.setPixelSize(BodyFontPixels);
    setFont(bodyFont);
    QFont headerFont = bodyFont;
    headerFont.setPixelSize(HeaderFontPixels);
    header->setFont(headerFont);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    setSelectionMode(NoSelection);
    setWordWrap(false);
    setEditTriggers(AllEditTriggers);
    setFixedWidth(width);
}

void TMyGrid::initRow(int row)
{
    for (int col = 0; col < ColumnTotal; ++col) {
        auto *item = new QTableWidgetItem;
        // The picture and the central mark are not text: Enter and Tab pass them by.
        if (col == PictureCol || col == CentralCol)
            item->setFlags(Qt::NoItemFlags);
        else
            item->setTextAlignment(col == NameCol ? Qt::AlignLeft | Qt::AlignVCenter
                                                  : Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, col, item);
    }
    auto *holder = new QWidget;
    auto *layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *radio = new QRadioButton(holder);
    layout->addWidget(radio, 0, Qt::AlignCenter);
    m_centralGroup->addButton(radio);
    setCellWidget(row, CentralCol, holder);
    setRowData(row, freshRow());
}

void TMyGrid::releaseCentralButtons(int firstRow, int lastRow)
{
    // The view frees a removed row's cell widget only later; until then its button must not count.
    for (int row = firstRow; row <= lastRow; ++row)
        if (QRadioButton *radio = centralBodyButton(row))
            m_centralGroup->removeButton(radio);
}

void TMyGrid::setRowCountAndHeight(int bodyRows)
{
    const int before = rowCount();
    releaseCentralButtons(bodyRows, before - 1);
    setRowCount(bodyRows);
    for (int row = before; row < bodyRows; ++row)
        initRow(row);
    setFixedHeight(RowCount() * RowHeight);
    emit heightChanged(height());
}

void TMyGrid::ResetGrid()
{
    setUpdatesEnabled(false);
    setRowCountAndHeight(0);
    setRowCountAndHeight(2);
    setUpdatesEnabled(true);
}

void TMyGrid::AddGridRow()
{
    if (rowCount() >= MaxNrRows)
        return;
    setRowCountAndHeight(rowCount() + 1);
}

void TMyGrid::DeleteGridRow()
{
    if (rowCount() <= 2)
        return;
    const int row = currentRow() >= 0 ? currentRow() : rowCount() - 1;
    releaseCentralButtons(row, row);
    removeRow(row);
    setFixedHeight(RowCount() * RowHeight);
    emit heightChanged(height());
}

bool TMyGrid::ARadioButtonChecked() const
{
    for (int row = 0; row < rowCount(); ++row)
        if (const QRadioButton *radio = centralBodyButton(row); radio && radio->isChecked())
            return true;
    return false;
}

void TMyGrid::ExitGrid()
{
    if (QComboBox *combo = m_linked.ComboBoxCelObj) {
        const int index = combo->currentIndex();
        combo->clear();
        combo->addItem(QStringLiteral("Center of Mass"));
        for (int row = 0; row < rowCount(); ++row)
            if (!cellText(row, NameCol).isEmpty())
                combo->addItem(cellText(row, NameCol));
        combo->setCurrentIndex(index);
    }
    // The graphs compare at most three bodies.
    if (QCheckBox *graphs = m_linked.CbGraphs) {
        graphs->setEnabled(RowCount() < 5);
        if (RowCount() > 4)
            graphs->setChecked(false);
    }
    if (m_linked.CbField)
        m_linked.CbField->setEnabled(true);
}

bool TMyGrid::DisableFieldBtn()
{
    for (int row = 0; row < rowCount(); ++row) {
        if (cellText(row, PosZCol) != QStringLiteral("0") || cellText(row, VelZCol) != QStringLiteral("0")) {
            if (m_linked.CbField)
                m_linked.CbField->setChecked(false);
            return true;
        }
    }
    return false;
}

TCelObjData TMyGrid::rowData(int row) const
{
    TCelObjData data;
    for (const TextColumn &column : TextColumns)
        data.*column.field = cellText(row, column.col).toStdString();
    data.aColor = cellColor(row);
    const QRadioButton *radio = centralBodyButton(row);
    data.aCentralBody = radio && radio->isChecked();
    return data;
}

void TMyGrid::setRowTexts(int row, const TCelObjData &data)
{
    for (const TextColumn &column : TextColumns)
        setCellText(row, column.col, QString::fromStdString(data.*column.field));
}

void TMyGrid::setRowData(int row, const TCelObjData &data)
{
    setRowTexts(row, data);
    setCellColor(row, data.aColor);
    if (QRadioButton *radio = centralBodyButton(row)) {
        if (data.aCentralBody)
            radio->setChecked(true);
        else if (radio->isChecked())
            uncheckRadio(radio);
    }
}

QString TMyGrid::cellText(int row, int col) const
{
    const QTableWidgetItem *cell = item(row, col);
    return cell ? cell->text() : QString();
}

void TMyGrid::setCellText(int row, int col, const QString &text)
{
    if (QTableWidgetItem *cell = item(row, col))
        cell->setText(text);
}

QRgb TMyGrid::cellColor(int row) const
{
    const QTableWidgetItem *cell = item(row, ColorCol);
    return cell ? cell->data(Qt::BackgroundRole).value<QColor>().rgba() : FreshRowColor;
}

void TMyGrid::setCellColor(int row, QRgb color)
{
    if (QTableWidgetItem *cell = item(row, ColorCol))
        cell->setData(Qt::BackgroundRole, QColor::fromRgba(color));
}

QImage TMyGrid::picture(int row) const
{
    const QTableWidgetItem *cell = item(row, PictureCol);
    return cell ? cell->data(Qt::DecorationRole).value<QImage>() : QImage();
}

void TMyGrid::showPicture(int row, const QImage &image)
{
    if (QTableWidgetItem *cell = item(row, PictureCol))
        cell->setData(Qt::DecorationRole, image);
}

QRadioButton *TMyGrid::centralBodyButton(int row) const
{
    const QWidget *holder = cellWidget(row, CentralCol);
    return holder ? holder->findChild<QRadioButton *>() : nullptr;
}

void TMyGrid::FillRowFromPreset(int Row)
{
    TCelObjData data = rowData(Row);
    ::FillRowFromPreset(data);
    setRowData(Row, data);
}

void TMyGrid::cellEdited(const QModelIndex &index)
{
    if (index.column() == NameCol)
        nameEditDone(index.row());
    else if (index.column() == ColorCol)
        colourEditDone(index.row());
}

void TMyGrid::nameEditDone(int row)
{
    const QString file = BodyPictures::pictureFile(m_objectsFolder, cellText(row, NameCol));
    QImage image;
    if (file.isEmpty() || !image.load(file))
        return;
    showPicture(row, image);
    FillRowFromPreset(row);
}

void TMyGrid::colourEditDone(int row)
{
    if (BodyPictures::pictureFile(m_objectsFolder, cellText(row, NameCol)).isEmpty())
        showPicture(row, TSphere2D::Render(RowHeight, cellColor(row)));
}

void TMyGrid::colourEditorReady(ColourPicker *picker)
{
    m_colourEditor = picker;
    connect(picker, &ColourPicker::colorSelected, this, [this] {
        FClose = true;
        FTimer->start();
    });
    if (!FTimer) {
        FTimer = new QTimer(this);
        FTimer->setSingleShot(true);
        FTimer->setInterval(1);
        connect(FTimer, &QTimer::timeout, this, &TMyGrid::timerTick);
    }
    FTimer->start();
}

void TMyGrid::timerTick()
{
    if (m_colourEditor) {
        if (FClose) {
            commitData(m_colourEditor);
            closeEditor(m_colourEditor, QAbstractItemDelegate::NoHint);
        } else {
            m_colourEditor->dropDown();
        }
    }
    FClose = false;
}

void TMyGrid::centralBodyClicked()
{
    if (ARadioButtonChecked() && m_linked.RbCM)
        uncheckRadio(m_linked.RbCM);
}

void TMyGrid::mousePressEvent(QMouseEvent *event)
{
    QTableWidget::mousePressEvent(event);
    // A click edits at once, also on the cell that already has the focus.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && (index.flags() & Qt::ItemIsEditable) && state() != EditingState)
        edit(index);
}

bool TMyGrid::holds(const QWidget *widget) const
{
    // Walks across window borders too: the colour palette is a pop-up window of an editor.
    for (; widget; widget = widget->parentWidget())
        if (widget == this)
            return true;
    return false;
}

void TMyGrid::focusChanged(QWidget *old, QWidget *now)
{
    if (holds(old) && !holds(now))
        ExitGrid();
}
