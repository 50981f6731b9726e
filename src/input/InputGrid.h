#pragma once

#include "core/DataRecords.h"
#include "core/NumberLocale.h"

#include <QPointer>
#include <QTableWidget>

#include <vector>

class ColourPicker;
class GridDelegate;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QTimer;
class TCelObjCollection;

// The parameter grid: one row per body with name, mass, radius, colour, position, velocity, picture
// scale and the central-body mark, all held as text until the transfer checks and converts them.
// Body rows are numbered from 0 here; the header row is the table's horizontal header.
class TMyGrid : public QTableWidget {
    Q_OBJECT
public:
    enum Column {
        PictureCol = 0,
        NameCol,
        MassCol,
        RadiusCol,
        ColorCol,
        PosXCol,
        PosYCol,
        PosZCol,
        VelXCol,
        VelYCol,
        VelZCol,
        ScaleCol,
        CentralCol,
        ColumnTotal
    };
    static constexpr int RowHeight = 34;
    static constexpr uint32_t FreshRowColor = 0xFF808080;

    // The main-window controls the grid keeps in step with its rows; any of them may be missing.
    struct LinkedControls {
        QComboBox *ComboBoxCelObj = nullptr;  // choice of the second viewport's central body
        QCheckBox *CbGraphs = nullptr;
        QCheckBox *CbField = nullptr;
        QRadioButton *RbCM = nullptr;  // "Center of Window"
    };

    explicit TMyGrid(QWidget *parent = nullptr, const QString &objectsFolder = QString());
    ~TMyGrid() override;

    const int MaxNrRows = 10;

    void setLinkedControls(const LinkedControls &controls) { m_linked = controls; }
    void setNumberLocale(NumberLocale locale) { m_locale = locale; }
    NumberLocale numberLocale() const { return m_locale; }
    QString objectsFolder() const { return m_objectsFolder; }

    // Rows of the grid including the header row; the grid is always RowCount x RowHeight high.
    int RowCount() const { return rowCount() + 1; }
    // An in-place editor is open.
    bool isEditing() const { return state() == EditingState; }

    void ResetGrid();
    void AddGridRow();
    void DeleteGridRow();  // the row of the focused cell, the last row when no cell has the focus
    bool ARadioButtonChecked() const;
    void ExitGrid();
    bool DisableFieldBtn();

    // Body row as a set-up record: texts, fill colour and central mark (aShowIntermedPos false).
    TCelObjData rowData(int row) const;
    void setRowData(int row, const TCelObjData &data);
    QString cellText(int row, int col) const;
    void setCellText(int row, int col, const QString &text);
    QRgb cellColor(int row) const;
    void setCellColor(int row, QRgb color);
    QImage picture(int row) const;
    QRadioButton *centralBodyButton(int row) const;

    // Fills the row from the preset of its name (see FillRowFromPreset of the presets).
    void FillRowFromPreset(int Row);

    // Transfer (InputGridTransfer.cpp).
    // One record per body row, in row order, every row included.
    std::vector<TCelObjData> TableRows() const;
    // The rows up to the first one without a name.
    std::vector<TCelObjData> BodyRecords() const;
    // Normalises the number texts to the locale's separator and shows the result in the cells.
    void ConvertToDefaultLocale();
    // The shared checks; on failure their one message has been shown and the focus is back on the grid.
    bool GridDataOK();
    // Appends each named row to the collection's records and bodies. The grid must have passed GridDataOK.
    void ReadGridDataIntoCelObjCollection(TCelObjCollection &aCelObj2DColl);
    // Normalise, check and, only when every check passes, rebuild the collection from the grid.
    bool TransferToCollection(TCelObjCollection &aCelObj2DColl);
    // One row per body of the set-up, however many there are.
    void DataFromSimDataToGrid(const TSimulationData &aSimulationData);

signals:
    void heightChanged(int height);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void setUpColumns();
    void initRow(int row);
    void setRowTexts(int row, const TCelObjData &data);
    void setRowCountAndHeight(int bodyRows);
    void releaseCentralButtons(int firstRow, int lastRow);
    void cellEdited(const QModelIndex &index);
    void nameEditDone(int row);
    void colourEditDone(int row);
    void showPicture(int row, const QImage &image);
    void colourEditorReady(ColourPicker *picker);
    void timerTick();
    void centralBodyClicked();
    void focusChanged(QWidget *old, QWidget *now);
    bool holds(const QWidget *widget) const;

    bool FClose = false;
    QTimer *FTimer = nullptr;  // one-shot: opens and closes the colour editor outside the grid's handlers
    GridDelegate *m_delegate = nullptr;
    QButtonGroup *m_centralGroup = nullptr;
    QPointer<ColourPicker> m_colourEditor;
    LinkedControls m_linked;
    NumberLocale m_locale;
    QString m_objectsFolder;
};
