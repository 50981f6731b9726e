#include "GridFixture.h"

#include "core/BodyTableChecks.h"
#include "core/TCelObjCollection.h"
#include "tests/TestCaseNames.h"

#include <QRadioButton>

#include <cmath>

namespace {

struct BadGrid {
    const char *what;
    std::vector<QStringList> rows;
    const char *message;
};

const QStringList Sun{"Sun", "1.99E30", "7E5", "0", "0", "0", "0", "0", "0", "1"};
const QStringList Earth{"Earth", "5.98E24", "6378", "1.496E8", "0", "0", "0", "29780", "0", "1"};

QStringList earthWith(int index, const QString &text)
{
    QStringList row = Earth;
    row[index] = text;
    return row;
}

const BadGrid BadGrids[] = {
    {"blank name with a mass", {{"  ", "1"}, Earth}, "The 1. body needs a name."},
    {"second row without name", {Sun, {"", "5"}}, "The 2. body needs a name."},
    {"empty second row", {Sun, {"", "", "", "", "", "", "", "", "", ""}}, "Mass of body nr 2 is not a valid number."},
    {"zero mass", {Sun, earthWith(1, "0")}, "Mass of Earth must be greater than zero."},
    {"negative mass", {Sun, earthWith(1, "-5")}, "Mass of Earth must be greater than zero."},
    {"radius too large", {Sun, earthWith(2, "3.1e8")}, "Radius of Earth must be less than 3.00E8"},
    {"scale too large", {Sun, earthWith(9, "10001")}, "Scale of Earth must be less than 10000"},
    {"zero scale", {Sun, earthWith(9, "0")}, "Scale of Earth must be greater than zero."},
    {"prefix in the first row", {{"Sun", "1.99E30", "7E5", "P+384400"}, Earth},
     "x-coordinate of Sun is not a valid number."},
    {"prefix in a mass", {Sun, earthWith(1, "P+5")}, "Mass of Earth is not a valid number."},
    {"nan", {Sun, earthWith(3, "nan")}, "x-coordinate of Earth is not a valid number."},
    {"inf", {Sun, earthWith(6, "inf")}, "vx of Earth is not a valid number."},
    {"overflowing exponent", {Sun, earthWith(5, "1e999")}, "z-coordinate of Earth is not a valid number."},
    {"forty digits", {Sun, earthWith(1, "1234567890123456789012345678901234567890")},
     "Mass of Earth must be less than 1.00E37"},
    {"position too far", {Sun, earthWith(4, "-1.1e12")}, "y-coordinate of Earth must be less than 1.00E12"},
    {"too fast", {Sun, earthWith(8, "3.5e7")}, "vz of Earth must be less than 3.00E7"},
    {"two separators", {Sun, earthWith(2, "6.37,8")}, "Radius of Earth is not a valid number."},
    {"words", {Sun, earthWith(7, "fast")}, "vy of Earth is not a valid number."},
    {"missing mass in row 3 before bad radius in row 1",
     {{"Sun", "1.99E30", "big"}, Earth, {"Moon", "", "1738"}}, "Mass of Moon is not a valid number."},
    {"duplicate", {Sun, {"Moon", "1", "1"}, {"Moon", "2", "2"}}, "Duplicate name: Moon. Please change."},
    {"last duplicate wins", {{"A", "1", "1"}, {"B", "1", "1"}, {"A", "1", "1"}, {"B", "1", "1"}},
     "Duplicate name: B. Please change."},
};

class GridChecks : public GridFixture, public ::testing::WithParamInterface<BadGrid> {};

bool allFinite(const TCelObj2D &body)
{
    return std::isfinite(body.Mass) && std::isfinite(body.Radius) && std::isfinite(body.ImageScale)
        && std::isfinite(body.PrevPos.X) && std::isfinite(body.PrevPos.Y) && std::isfinite(body.PrevPos.Z)
        && std::isfinite(body.v.X) && std::isfinite(body.v.Y) && std::isfinite(body.v.Z);
}

}  // namespace

TEST_P(GridChecks, ReportsTheFirstProblemAndBuildsNothing)
{
    grid.setNumberLocale(NumberLocale::point());
    setRows(GetParam().rows);
    TCelObjCollection collection;
    collection.AddCelObjToCollection({"Old", "1", "1", "0", "0", "0", "0", "0", "0", "1"}, NumberLocale::point());
    // The user sees the normalised texts, nothing else changes.
    std::vector<TCelObjData> normalised = grid.TableRows();
    ConvertToDefaultLocale(normalised, NumberLocale::point());

    EXPECT_FALSE(grid.TransferToCollection(collection));

    EXPECT_EQ(sink.only(), GetParam().message);
    ASSERT_EQ(collection.AllCelObj.size(), 1u);
    EXPECT_EQ(collection.AllCelObj[0].ObjName, "Old");
    EXPECT_EQ(grid.TableRows(), normalised);
}

INSTANTIATE_TEST_SUITE_P(TMyGrid, GridChecks, ::testing::ValuesIn(BadGrids),
                         NameFromWhat());

TEST_F(GridFixture, MessageKindsFollowTheCheck)
{
    setRows({{" ", "1"}});
    EXPECT_FALSE(grid.GridDataOK());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, MessageSink::Kind::Information);
    sink.messages.clear();
    setRows({Sun, earthWith(1, "0")});
    EXPECT_FALSE(grid.GridDataOK());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, MessageSink::Kind::Error);
}

TEST_F(GridFixture, CommaLocaleRewritesTheCellsTheUserSees)
{
    grid.setNumberLocale(NumberLocale::comma());
    setRows({{"Sun", "1.99E30", "7E5", "0", "0", "0", "0", "0", "0", "1"},
             {"Earth", "5,98E24", "6 378", "1.5E11", "0", "0", "0", "29 780.5", "0", "1"}});
    grid.ConvertToDefaultLocale();
    EXPECT_EQ(rowTexts(0), (QStringList{"Sun", "1,99E30", "7E5", "0", "0", "0", "0", "0", "0", "1"}));
    EXPECT_EQ(rowTexts(1), (QStringList{"Earth", "5,98E24", "6378", "1,5E11", "0", "0", "0", "29780,5", "0", "1"}));
    EXPECT_TRUE(grid.GridDataOK()) << sink.only();
}

TEST_F(GridFixture, PointLocaleTurnsCommasIntoPoints)
{
    grid.setNumberLocale(NumberLocale::point());
    setRows({{"Sun ", "1,99E30", "7 E5"}, {"My Moon", "7,35E22", "1738", "P + 384 400"}});
    grid.ConvertToDefaultLocale();
    EXPECT_EQ(grid.cellText(0, TMyGrid::NameCol), "Sun ");
    EXPECT_EQ(grid.cellText(0, TMyGrid::MassCol), "1.99E30");
    EXPECT_EQ(grid.cellText(0, TMyGrid::RadiusCol), "7E5");
    EXPECT_EQ(grid.cellText(1, TMyGrid::PosXCol), "P+384400");
    EXPECT_EQ(grid.cellText(1, TMyGrid::NameCol), "My Moon");
}

TEST_F(GridFixture, TransferBuildsOneBodyPerRowWithPrefixesKept)
{
    grid.setNumberLocale(NumberLocale::comma());
    setRows({{"Earth", "5.98E24", "6378", "1.5E8", "0", "0", "0", "29780", "0", "1"},
             {"Moon", "7.35E22", "1738", "P+384400", "0", "0", "0", "P+1022", "0", "2"}});
    grid.setCellColor(1, 0xFFBBFFFF);
    grid.centralBodyButton(0)->setChecked(true);
    TCelObjCollection collection;

    ASSERT_TRUE(grid.TransferToCollection(collection)) << sink.only();

    ASSERT_EQ(collection.AllCelObj.size(), 2u);
    ASSERT_EQ(collection.CelObjDataList.size(), 2u);
    EXPECT_EQ(collection.CelObjDataList[1].aPosx, "P+384400");
    EXPECT_EQ(collection.CelObjDataList[0].aMass, "5,98E24");
    EXPECT_EQ(collection.CelObjDataList[1].aColor, 0xFFBBFFFFu);
    EXPECT_TRUE(collection.CelObjDataList[0].aCentralBody);
    EXPECT_FALSE(collection.CelObjDataList[1].aCentralBody);
    EXPECT_FALSE(collection.CelObjDataList[1].aShowIntermedPos);
    const TCelObj2D &moon = collection.AllCelObj[1];
    EXPECT_DOUBLE_EQ(moon.PrevPos.X, (1.5e8 + 384400) * 1000.0);
    EXPECT_DOUBLE_EQ(moon.v.Y, 29780.0 + 1022.0);
    EXPECT_FLOAT_EQ(moon.Radius, 1738e3f);
    EXPECT_FLOAT_EQ(moon.ImageScale, 2.0f);
    EXPECT_TRUE(collection.AllCelObj[0].CentralBody);
}

TEST_F(GridFixture, PastedNonsenseNeverReachesABody)
{
    grid.setNumberLocale(NumberLocale::point());
    const QStringList pasted{"", " ", "nan", "NaN", "-inf", "inf", "1e999", "-1e999", "1e-999", "1e", "e5",
                             "1.2.3", "1,2,3", "0x10", "P+", "P+P+1", "+-1", "--1", "1e+", ". ", ",",
                             "99999999999999999999999999999999999999999", "\t5", "5\n", "1e308", "3e38"};
    for (int col : TextCols) {
        if (col == TMyGrid::NameCol)
            continue;
        for (const QString &text : pasted) {
            grid.ResetGrid();
            setRows({Sun, earthWith(int(std::find(std::begin(TextCols), std::end(TextCols), col) - TextCols),
                                    text)});
            sink.messages.clear();
            TCelObjCollection collection;
            if (grid.TransferToCollection(collection)) {
                for (const TCelObj2D &body : collection.AllCelObj)
                    EXPECT_TRUE(allFinite(body)) << "column " << col << " text '" << text.toStdString() << "'";
            } else {
                EXPECT_EQ(sink.messages.size(), 1u) << text.toStdString();
                EXPECT_TRUE(collection.AllCelObj.empty());
            }
        }
    }
}

TEST_F(GridFixture, RowsStopAtTheFirstRowWithoutName)
{
    setRows({Sun, {"", ""}, Earth});
    ASSERT_EQ(grid.TableRows().size(), 3u);
    ASSERT_EQ(grid.BodyRecords().size(), 1u);
    EXPECT_EQ(grid.BodyRecords()[0].aName, "Sun");
}

TEST_F(GridFixture, FileFillsOneRowPerBodyBeyondTheAddLimit)
{
    TSimulationData setup;
    for (int i = 0; i < 12; ++i) {
        TCelObjData body{"Body " + std::to_string(i), "1E20", "100", "P+1000", "0", "0.0", "0", "5", "0", "1"};
        body.aColor = 0xFF000000u + uint32_t(i * 0x111111);
        body.aCentralBody = i == 7;
        setup.CelObjDataList.push_back(body);
    }
    setup.CelObjDataList[0].aName = "Earth";
    setup.CelObjDataList[3].aColor = 0x00A3F30C;  // kept as the file has it

    grid.DataFromSimDataToGrid(setup);

    ASSERT_EQ(grid.rowCount(), 12);
    EXPECT_EQ(grid.RowCount(), 13);
    EXPECT_EQ(grid.height(), 13 * TMyGrid::RowHeight);
    EXPECT_EQ(grid.TableRows(), setup.CelObjDataList);
    EXPECT_TRUE(grid.ARadioButtonChecked());
    // The named body shows its picture, the others a disc in their colour.
    const QImage earth = grid.picture(0);
    EXPECT_GT(earth.width(), TMyGrid::RowHeight);
    const QImage disc = grid.picture(5);
    ASSERT_EQ(disc.size(), QSize(TMyGrid::RowHeight, TMyGrid::RowHeight));
    EXPECT_EQ(qAlpha(disc.pixel(0, 0)), 0);
    EXPECT_GT(qAlpha(disc.pixel(17, 17)), 200);
    grid.AddGridRow();
    EXPECT_EQ(grid.rowCount(), 12);
}
