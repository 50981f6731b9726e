#include "GridFixture.h"

#include "input/BodyPictures.h"
#include "input/ColourDialogService.h"
#include "input/ColourPicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

// Answers the colour dialog with a fixed colour and remembers that it was asked.
class FixedColourService : public ColourDialogService {
public:
    explicit FixedColourService(std::optional<QColor> answer) : m_answer(answer) { install(this); }
    ~FixedColourService() override { install(nullptr); }
    std::optional<QColor> pickColour(const QColor &, QWidget *) override
    {
        ++asked;
        return m_answer;
    }
    int asked = 0;

private:
    std::optional<QColor> m_answer;
};

// A shown grid whose cells are clicked and typed into.
class ShownGrid : public GridFixture {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(BodyPictures::pictureFile(grid.objectsFolder(), "Earth").isEmpty())
            << "body pictures missing in " << grid.objectsFolder().toStdString();
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    QPoint cellCentre(int row, int col) { return grid.visualRect(grid.model()->index(row, col)).center(); }
    void click(int row, int col) { QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(row, col)); }
    // The open editor of that kind; a closed one lingers hidden until it is deleted later.
    template <typename Editor> Editor *openEditor()
    {
        for (Editor *editor : grid.viewport()->findChildren<Editor *>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    QComboBox *nameEditor() { return openEditor<QComboBox>(); }
    ColourPicker *colourEditor() { return openEditor<ColourPicker>(); }

    void typeName(int row, const QString &name)
    {
        click(row, TMyGrid::NameCol);
        QComboBox *combo = nameEditor();
        ASSERT_NE(combo, nullptr);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, name);
        QTest::keyClick(combo, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    // Opens the colour editor and waits for its palette to drop down.
    QFrame *openPalette(int row)
    {
        click(row, TMyGrid::ColorCol);
        ColourPicker *picker = colourEditor();
        if (!picker)
            return nullptr;
        const bool shown = QTest::qWaitFor([picker] { return picker->palettePopup() && picker->palettePopup()->isVisible(); }, 1000);
        return shown ? picker->palettePopup() : nullptr;
    }
};

}  // namespace

TEST_F(GridFixture, FreshGridHasTwoDefaultRowsAndItsGeometry)
{
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.columnCount(), 13);
    EXPECT_EQ(grid.height(), 3 * 34);
    EXPECT_EQ(grid.width(), 642);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(rowTexts(row), (QStringList{"", "", "", "0", "0", "0", "0", "0", "0", "1"}));
        EXPECT_EQ(grid.cellColor(row), 0xFF808080u);
        EXPECT_TRUE(grid.picture(row).isNull());
    }
    EXPECT_FALSE(grid.ARadioButtonChecked());
    const QStringList headings{"", "Name", "m (kg)", "r(km)", "Col", "x (km)", "y (km)", "z (km)",
                               "vx (m/s)", "vy (m/s)", "vz (m/s)", "Scale", "C"};
    const int widths[] = {34, 55, 55, 55, 34, 55, 55, 55, 55, 55, 55, 55, 24};
    for (int col = 0; col < 13; ++col) {
        EXPECT_EQ(grid.horizontalHeaderItem(col)->text(), headings[col]);
        EXPECT_EQ(grid.columnWidth(col), widths[col]);
    }
    EXPECT_EQ(grid.item(0, TMyGrid::NameCol)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(grid.item(0, TMyGrid::MassCol)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(grid.item(0, TMyGrid::PictureCol)->flags(), Qt::NoItemFlags);
    EXPECT_EQ(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(GridFixture, RowLimitsAndResetKeepTheHeightInStep)
{
    QSignalSpy heights(&grid, &TMyGrid::heightChanged);
    for (int i = 0; i < 12; ++i)
        grid.AddGridRow();
    EXPECT_EQ(grid.rowCount(), 10);
    EXPECT_EQ(grid.height(), 11 * 34);
    EXPECT_EQ(heights.count(), 8);
    EXPECT_EQ(rowTexts(9), (QStringList{"", "", "", "0", "0", "0", "0", "0", "0", "1"}));
    setRows({{"A", "1"}});
    grid.centralBodyButton(4)->setChecked(true);
    TSimulationData opened;
    opened.CelObjDataList.push_back({"Earth", "1", "1", "0", "0", "0", "0", "0", "0", "1"});
    grid.DataFromSimDataToGrid(opened);
    ASSERT_FALSE(grid.picture(0).isNull());
    grid.ResetGrid();
    EXPECT_TRUE(grid.picture(0).isNull());
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.height(), 3 * 34);
    EXPECT_EQ(grid.cellText(0, TMyGrid::NameCol), "");
    EXPECT_FALSE(grid.ARadioButtonChecked());
    grid.DeleteGridRow();
    EXPECT_EQ(grid.rowCount(), 2);
}

TEST_F(GridFixture, DeleteRemovesTheFocusedRow)
{
    setRows({{"A"}, {"B"}, {"C"}, {"D"}});
    grid.setCurrentCell(1, TMyGrid::MassCol);
    grid.DeleteGridRow();
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cellText(0, TMyGrid::NameCol), "A");
    EXPECT_EQ(grid.cellText(1, TMyGrid::NameCol), "C");
    EXPECT_EQ(grid.height(), 4 * 34);
    grid.setCurrentCell(-1, -1);
    grid.DeleteGridRow();
    EXPECT_EQ(grid.cellText(1, TMyGrid::NameCol), "C");
    EXPECT_EQ(grid.rowCount(), 2);
}

TEST_F(GridFixture, ExitGridRebuildsTheBodyChoiceAndLimitsGraphs)
{
    QComboBox choice;
    choice.addItems({"Center of Mass", "Old", "Older"});
    choice.setCurrentIndex(2);
    QCheckBox graphs, field;
    graphs.setChecked(true);
    field.setEnabled(false);
    grid.setLinkedControls({&choice, &graphs, &field, nullptr});
    setRows({{"Sun"}, {""}, {"Earth"}});
    grid.ExitGrid();
    ASSERT_EQ(choice.count(), 3);
    EXPECT_EQ(choice.itemText(0), "Center of Mass");
    EXPECT_EQ(choice.itemText(2), "Earth");
    EXPECT_EQ(choice.currentIndex(), 2);
    EXPECT_TRUE(graphs.isEnabled());
    EXPECT_TRUE(graphs.isChecked());
    EXPECT_TRUE(field.isEnabled());
    grid.AddGridRow();
    grid.ExitGrid();
    EXPECT_FALSE(graphs.isEnabled());
    EXPECT_FALSE(graphs.isChecked());
    grid.setCurrentCell(0, TMyGrid::MassCol);
    grid.DeleteGridRow();
    grid.ExitGrid();
    EXPECT_TRUE(graphs.isEnabled());
    EXPECT_EQ(choice.count(), 2);
}

TEST_F(GridFixture, FieldNeedsEveryZAndVzToBeExactlyZero)
{
    QCheckBox field;
    field.setChecked(true);
    grid.setLinkedControls({nullptr, nullptr, &field, nullptr});
    EXPECT_FALSE(grid.DisableFieldBtn());
    EXPECT_TRUE(field.isChecked());
    grid.setCellText(1, TMyGrid::PosZCol, "0.0");
    EXPECT_TRUE(grid.DisableFieldBtn());
    EXPECT_FALSE(field.isChecked());
    grid.setCellText(1, TMyGrid::PosZCol, "0");
    grid.setCellText(0, TMyGrid::VelZCol, "");
    EXPECT_TRUE(grid.DisableFieldBtn());
}

TEST_F(ShownGrid, CentralBodyButtonsFormOneGroupAndUncheckCenterOfWindow)
{
    QRadioButton centerOfWindow;
    centerOfWindow.setChecked(true);
    grid.setLinkedControls({nullptr, nullptr, nullptr, &centerOfWindow});
    grid.AddGridRow();
    QTest::mouseClick(grid.centralBodyButton(0), Qt::LeftButton);
    EXPECT_FALSE(centerOfWindow.isChecked());
    QTest::mouseClick(grid.centralBodyButton(2), Qt::LeftButton);
    EXPECT_FALSE(grid.centralBodyButton(0)->isChecked());
    EXPECT_TRUE(grid.centralBodyButton(2)->isChecked());
    EXPECT_TRUE(grid.ARadioButtonChecked());
    const std::vector<TCelObjData> rows = grid.TableRows();
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const TCelObjData &r) { return r.aCentralBody; }), 1);
}

TEST_F(ShownGrid, TypingAPresetNameFillsTheRowShowsItsPictureAndMovesOn)
{
    grid.setCellText(0, TMyGrid::PosXCol, "500");
    typeName(0, "Earth");
    EXPECT_EQ(rowTexts(0), (QStringList{"Earth", "5.98E24", "6378", "0", "0", "0", "0", "0", "0", "1"}));
    EXPECT_EQ(grid.cellColor(0), 0xFF0000FFu);
    EXPECT_FALSE(grid.picture(0).isNull());
    // Enter went on to the mass column and is editing there.
    EXPECT_EQ(grid.currentColumn(), TMyGrid::MassCol);
    EXPECT_TRUE(grid.isEditing());
}

TEST_F(ShownGrid, NameEditorOffersThePresetList)
{
    click(0, TMyGrid::NameCol);
    QComboBox *combo = nameEditor();
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    ASSERT_EQ(combo->count(), 27);
    EXPECT_EQ(combo->itemText(0), "Earth");
    EXPECT_EQ(combo->itemText(26), "Neutron Star");
}

TEST_F(ShownGrid, ANameWithoutPictureKeepsTheOldPictureUntilTheColourIsEdited)
{
    typeName(0, "Moon");
    const QImage moon = grid.picture(0);
    ASSERT_FALSE(moon.isNull());
    grid.setCellText(0, TMyGrid::PosXCol, "42");
    typeName(0, "Planet X");
    EXPECT_EQ(grid.cellText(0, TMyGrid::NameCol), "Planet X");
    EXPECT_EQ(grid.picture(0), moon);
    EXPECT_EQ(grid.cellText(0, TMyGrid::PosXCol), "42");
    EXPECT_EQ(grid.cellText(0, TMyGrid::MassCol), "7.35E22");

    QFrame *palette = openPalette(0);
    ASSERT_NE(palette, nullptr);
    const QList<QToolButton *> swatches = palette->findChildren<QToolButton *>();
    ASSERT_EQ(swatches.size(), ColourPicker::paletteColors().size());
    QTest::mouseClick(swatches[20], Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !grid.isEditing(); }, 1000));
    EXPECT_EQ(grid.cellColor(0), ColourPicker::paletteColors()[20]);
    EXPECT_EQ(colourEditor(), nullptr);
    EXPECT_NE(grid.picture(0), moon);
    EXPECT_EQ(grid.picture(0).size(), QSize(34, 34));
}

TEST_F(ShownGrid, MoreColoursAsksTheServiceAndStoresAnOpaqueChoice)
{
    FixedColourService service(QColor(10, 20, 30, 40));
    QFrame *palette = openPalette(1);
    ASSERT_NE(palette, nullptr);
    QTest::mouseClick(palette->findChild<QPushButton *>("moreColors"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !grid.isEditing(); }, 1000));
    EXPECT_EQ(service.asked, 1);
    EXPECT_EQ(grid.cellColor(1), 0xFF0A141Eu);
}

TEST_F(ShownGrid, CancellingTheColourDialogKeepsTheColour)
{
    FixedColourService service(std::nullopt);
    grid.setCellColor(1, 0xFF112233);
    QFrame *palette = openPalette(1);
    ASSERT_NE(palette, nullptr);
    QTest::mouseClick(palette->findChild<QPushButton *>("moreColors"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(service.asked, 1);
    click(0, TMyGrid::MassCol);
    EXPECT_TRUE(QTest::qWaitFor([this] { return colourEditor() == nullptr; }, 1000));
    EXPECT_EQ(grid.cellColor(1), 0xFF112233u);
}

TEST_F(ShownGrid, PictureColumnIsNeitherEditedNorFocused)
{
    click(0, TMyGrid::MassCol);
    EXPECT_TRUE(grid.isEditing());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    click(1, TMyGrid::PictureCol);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_NE(grid.currentColumn(), TMyGrid::PictureCol);
}

TEST_F(ShownGrid, FailedCheckPutsTheFocusBackOnTheGrid)
{
    setRows({{"Sun", "x"}});
    QPushButton ok("OK");
    ok.show();
    ok.setFocus();
    EXPECT_FALSE(grid.GridDataOK());
    EXPECT_EQ(sink.only(), "Mass of Sun is not a valid number.");
    EXPECT_TRUE(grid.hasFocus());
}

TEST_F(ShownGrid, TypedBodiesShowTheirPicturesColoursAndSkyBlueHeader)
{
    const struct {
        const char *name;
        QRgb color;
    } bodies[] = {{"Sun", 0xFFFFFF00}, {"Earth", 0xFF0000FF}, {"Moon", 0xFFBBFFFF}};
    for (int row = 0; row < 3; ++row) {
        if (row >= grid.rowCount())
            grid.AddGridRow();
        typeName(row, bodies[row].name);
    }
    grid.setCellText(1, TMyGrid::PosXCol, "1.496E8");
    grid.setCellText(1, TMyGrid::VelYCol, "29780");
    grid.setCellText(2, TMyGrid::PosXCol, "P+384400");
    grid.setCellText(2, TMyGrid::VelYCol, "P+1022");
    QTest::mouseClick(grid.centralBodyButton(0), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    const QImage shot = grid.grab().toImage();
    if (const QByteArray path = qgetenv("ZENTAVO_GRID_SCREENSHOT"); !path.isEmpty())
        shot.save(QString::fromLocal8Bit(path));
    ASSERT_EQ(shot.size(), QSize(642, 4 * 34));
    const QPoint origin = grid.viewport()->geometry().topLeft();
    auto pixelAt = [&](int row, int col) { return shot.pixel(origin + cellCentre(row, col)) | 0xFF000000; };
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(pixelAt(row, TMyGrid::ColorCol), bodies[row].color) << bodies[row].name;
        EXPECT_NE(pixelAt(row, TMyGrid::PictureCol), pixelAt(row, TMyGrid::MassCol)) << bodies[row].name;
    }
    EXPECT_EQ(shot.pixel(20, 8), 0xFF87CEEBu);
    EXPECT_EQ(grid.cellText(2, TMyGrid::MassCol), "7.35E22");
}

TEST(TMyGridFocus, LeavingTheGridRebuildsTheBodyChoiceButItsEditorsDoNot)
{
    QWidget window;
    auto *grid = new TMyGrid(&window);
    auto *other = new QLineEdit(&window);
    other->move(0, 200);
    QComboBox choice;
    grid->setLinkedControls({&choice, nullptr, nullptr, nullptr});
    grid->setCellText(0, TMyGrid::NameCol, "Sun");
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    grid->setFocus();
    grid->editItem(grid->item(0, TMyGrid::MassCol));
    QCoreApplication::processEvents();
    ASSERT_TRUE(grid->isEditing());
    EXPECT_EQ(choice.count(), 0);
    other->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(choice.count(), 2);
    EXPECT_EQ(choice.itemText(1), "Sun");
}
