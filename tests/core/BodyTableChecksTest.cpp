#include "core/BodyTableChecks.h"

#include "tests/core/RecordingSink.h"
#include "tests/TestCaseNames.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr NumberLocale kPoint = NumberLocale::point();
constexpr NumberLocale kComma = NumberLocale::comma();

TCelObjData body(const std::string &name, const std::string &x = "0")
{
    TCelObjData d;
    d.aName = name;
    d.aMass = "5.97E24";
    d.aRadius = "6371";
    d.aPosx = x;
    d.aPosy = "0";
    d.aPosz = "0";
    d.aVelocityx = "0";
    d.aVelocityy = "0";
    d.aVelocityz = "0";
    d.aImageScale = "1";
    return d;
}

struct GridCase {
    const char *what;
    std::function<void(std::vector<TCelObjData> &)> edit;
    MessageSink::Kind kind;
    const char *message;
};

class GridDataOKTest : public testing::TestWithParam<GridCase> {};

TEST_P(GridDataOKTest, ReportsTheFirstProblemOnce)
{
    std::vector<TCelObjData> rows{body("Sun"), body("Earth", "P+1.5E8")};
    GetParam().edit(rows);
    RecordingSink sink;
    EXPECT_FALSE(GridDataOK(rows, kPoint));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, GetParam().message);
    EXPECT_EQ(sink.messages[0].kind, GetParam().kind);
}

using K = MessageSink::Kind;
INSTANTIATE_TEST_SUITE_P(
    Cases, GridDataOKTest,
    testing::Values(
        GridCase{"blank name", [](auto &r) { r[0].aName = "  \t"; }, K::Information, "The 1. body needs a name."},
        GridCase{"empty second row", [](auto &r) { r[1] = TCelObjData{}; }, K::Error,
                 "Mass of body nr 2 is not a valid number."},
        GridCase{"zero mass", [](auto &r) { r[1].aMass = "0"; }, K::Error, "Mass of Earth must be greater than zero."},
        GridCase{"negative mass", [](auto &r) { r[1].aMass = "-1"; }, K::Error,
                 "Mass of Earth must be greater than zero."},
        GridCase{"radius too large", [](auto &r) { r[1].aRadius = "3.1e8"; }, K::Error,
                 "Radius of Earth must be less than 3.00E8"},
        GridCase{"scale too large", [](auto &r) { r[1].aImageScale = "10001"; }, K::Error,
                 "Scale of Earth must be less than 10000"},
        GridCase{"mass before radius", [](auto &r) { r[0].aRadius = "x"; r[1].aMass = ""; }, K::Error,
                 "Mass of Earth is not a valid number."},
        GridCase{"prefix in first row", [](auto &r) { r[0].aPosx = "P+384400"; }, K::Error,
                 "x-coordinate of Sun is not a valid number."},
        GridCase{"prefix in mass", [](auto &r) { r[1].aMass = "P+1"; }, K::Error, "Mass of Earth is not a valid number."},
        GridCase{"velocity too large", [](auto &r) { r[1].aVelocityz = "-3.1e7"; }, K::Error,
                 "vz of Earth must be less than 3.00E7"},
        GridCase{"position too large", [](auto &r) { r[0].aPosy = "1.1e12"; }, K::Error,
                 "y-coordinate of Sun must be less than 1.00E12"},
        GridCase{"duplicates", [](auto &r) { r.push_back(body("Earth", "1")); }, K::Error,
                 "Duplicate name: Earth. Please change."}),
    NameFromWhat());

TEST(GridDataOK, AcceptsLimitsNegativePositionsAndRelativeValues)
{
    std::vector<TCelObjData> rows{body("Sun", "-1e12"), body("Earth", "P + 384400"), body("Moon", "p+1")};
    rows[0].aRadius = "3e8";
    rows[1].aMass = "1e37";
    rows[2].aVelocityy = "P+ -3e7";
    RecordingSink sink;
    EXPECT_TRUE(GridDataOK(rows, kPoint));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(rows[1].aPosx, "P + 384400") << "the texts are passed on with their prefix";
}

TEST(GridDataOK, NamesDifferingInCaseAreNotDuplicates)
{
    RecordingSink sink;
    EXPECT_TRUE(GridDataOK({body("Moon"), body("moon", "1")}, kPoint));
}

TEST(DuplicateNames, ReportsTheLastRowWithAnEqualNameFurtherDown)
{
    EXPECT_EQ(DuplicateNames({body("A"), body("B"), body("A"), body("B")}), "B");
    EXPECT_EQ(DuplicateNames({body("B"), body("A"), body("B"), body("A")}), "A");
    EXPECT_EQ(DuplicateNames({body("A")}), "");
    EXPECT_EQ(DuplicateNames({}), "");
}

TEST(ConvertToDefaultLocale, RemovesSpacesAndAdaptsTheSeparator)
{
    std::vector<TCelObjData> rows{body("A b")};
    rows[0].aMass = "1.5E11";
    rows[0].aRadius = "1 000";
    rows[0].aPosx = "1.5.5";
    rows[0].aVelocityz = "P + 2,5";
    auto comma = rows;
    ConvertToDefaultLocale(comma, kComma);
    EXPECT_EQ(comma[0].aMass, "1,5E11");
    EXPECT_EQ(comma[0].aRadius, "1000");
    EXPECT_EQ(comma[0].aPosx, "1,5.5") << "only the first point becomes a comma";
    EXPECT_EQ(comma[0].aVelocityz, "P+2,5");
    EXPECT_EQ(comma[0].aName, "A b") << "names are not touched";

    rows[0].aPosx = "1,5,5";
    ConvertToDefaultLocale(rows, kPoint);
    EXPECT_EQ(rows[0].aPosx, "1.5.5") << "every comma becomes a point";
    EXPECT_EQ(rows[0].aVelocityz, "P+2.5");
}

TEST(CheckForValidNumbers, RejectsAColumnWithoutNumbers)
{
    EXPECT_THROW(CheckForValidNumbers({body("A")}, 4, "Color", false, 1, kPoint), std::invalid_argument);
}

} // namespace
