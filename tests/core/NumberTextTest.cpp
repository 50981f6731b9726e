#include "core/MathRoutines.h"
#include "core/StringRoutines.h"
#include "core/WriteRoutines.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr NumberLocale kPoint = NumberLocale::point();
constexpr NumberLocale kComma = NumberLocale::comma();

struct FormatCase {
    double x;
    const char *point;
    const char *comma;
};

class FormatNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, GivesThreeSignificantDigitsOrScientific)
{
    EXPECT_EQ(FormatNumber(GetParam().x, kPoint), GetParam().point);
    EXPECT_EQ(FormatNumber(GetParam().x, kComma), GetParam().comma);
}

INSTANTIATE_TEST_SUITE_P(Examples, FormatNumberTest,
                         testing::Values(FormatCase{0, "0", "0"}, FormatCase{12345.6, "12346", "12346"},
                                         FormatCase{99.96, "100.0", "100,0"}, FormatCase{5, "5.00", "5,00"},
                                         FormatCase{0.5, "0.500", "0,500"}, FormatCase{0.012345, "0.0123", "0,0123"},
                                         FormatCase{0.00012345, "0.000123", "0,000123"},
                                         FormatCase{100000, "1.00E5", "1,00E5"}, FormatCase{-2.5e-7, "-2.50E-7", "-2,50E-7"},
                                         FormatCase{123456, "1.23E5", "1,23E5"}, FormatCase{0.00005, "5.00E-5", "5,00E-5"},
                                         FormatCase{1e-4, "1.00E-4", "1,00E-4"}, FormatCase{-7.125, "-7.13", "-7,13"},
                                         FormatCase{2.675, "2.67", "2,67"}, FormatCase{9.9996e5, "1.00E6", "1,00E6"},
                                         FormatCase{1e37, "1.00E37", "1,00E37"}, FormatCase{10000, "10000", "10000"},
                                         FormatCase{NAN, "NAN", "NAN"}));

TEST(FormatPatternFor, PicksThePictureByMagnitudeAndLeavesOthersAlone)
{
    EXPECT_EQ(FormatPatternFor(250), "###");
    EXPECT_EQ(FormatPatternFor(-25), "##.0");
    EXPECT_EQ(FormatPatternFor(2.5), "#.#0");
    EXPECT_EQ(FormatPatternFor(0.25), "0.#00");
    EXPECT_EQ(FormatPatternFor(0.025), "0.##00");
    EXPECT_EQ(FormatPatternFor(0.0025), "0.###00");
    EXPECT_EQ(FormatPatternFor(0.00025), "0.####00");
    EXPECT_EQ(FormatPatternFor(1e6, "keep"), "keep");
}

TEST(FloatToDisplayStr, UsesGeneralFormBelowTenThousandAndScientificAbove)
{
    EXPECT_EQ(FloatToDisplayStr(9999.5, kPoint), "9999.5");
    EXPECT_EQ(FloatToDisplayStr(9999.5, kComma), "9999,5");
    EXPECT_EQ(FloatToDisplayStr(-20000, kPoint), "-2E4");
    EXPECT_EQ(FloatToDisplayStr(123456, kPoint), "1.2E5");
    EXPECT_EQ(FloatToDisplayStr(123456, kComma), "1,2E5");
    EXPECT_EQ(FloatToDisplayStr(100000, kPoint), "1E5");
    EXPECT_EQ(FloatToDisplayStr(0.1, kPoint), "0.1");
    EXPECT_EQ(FloatToDisplayStr(0, kPoint), "0");
    EXPECT_EQ(FloatToDisplayStr(-5e-7, kPoint), "-5E-7");
    EXPECT_EQ(FloatToDisplayStr(NAN, kPoint), "NAN");
}

TEST(TryTextToFloat, AcceptsEitherSeparatorAndSpacesUnderBothLocales)
{
    double v = 0;
    ASSERT_TRUE(TryTextToFloat("1 000,5", v, kComma));
    EXPECT_EQ(v, 1000.5);
    ASSERT_TRUE(TryTextToFloat("1 000.5", v, kPoint));
    EXPECT_EQ(v, 1000.5);
    ASSERT_TRUE(TryTextToFloat("1.5", v, kComma));
    EXPECT_EQ(v, 1.5);
    ASSERT_TRUE(TryTextToFloat("1,5", v, kPoint));
    EXPECT_EQ(v, 1.5);
    ASSERT_TRUE(TryTextToFloat("-6e24", v, kPoint));
    EXPECT_EQ(v, -6e24);
    ASSERT_TRUE(TryTextToFloat("+.5E-3", v, kComma));
    EXPECT_EQ(v, 0.5e-3);
    ASSERT_TRUE(TryTextToFloat("1e-999", v, kPoint));
    EXPECT_EQ(v, 0.0);
}

TEST(TryTextToFloat, RefusesTextsThatAreNoFiniteNumber)
{
    double v = 42;
    for (const char *text : {"", " ", "abc", "1.2.3", "1,2.3", "nan", "inf", "1e999", "-1e400", "1e", "e5", "P+5",
                             "12a", "--1", "1e+", "0x10"}) {
        EXPECT_FALSE(TryTextToFloat(text, v, kPoint)) << text;
        EXPECT_FALSE(TryTextToFloat(text, v, kComma)) << text;
    }
    EXPECT_EQ(v, 42);
}

TEST(TextToFloat, ReadsOnlyTheLocaleSeparatorAndThrowsOnBadText)
{
    EXPECT_EQ(TextToFloat(" 12", kPoint), 12.0);
    EXPECT_EQ(TextToFloat("1,5", kComma), 1.5);
    EXPECT_THROW(TextToFloat("1,5", kPoint), std::invalid_argument);
    EXPECT_THROW(TextToFloat("1e999", kPoint), std::invalid_argument);
    EXPECT_THROW(TextToFloat("", kPoint), std::invalid_argument);
}

TEST(RemoveRelativePrefix, RemovesEachPrefixFormOnceInOrder)
{
    std::string t = "p+384400";
    EXPECT_TRUE(RemoveRelativePrefix(t));
    EXPECT_EQ(t, "384400");
    t = "P+P+5";
    EXPECT_TRUE(RemoveRelativePrefix(t));
    EXPECT_EQ(t, "P+5");
    t = "P + 12";
    EXPECT_TRUE(RemoveRelativePrefix(t));
    EXPECT_EQ(t, " 12");
    t = "12";
    EXPECT_FALSE(RemoveRelativePrefix(t));
    EXPECT_EQ(t, "12");
    t = "P";
    EXPECT_FALSE(RemoveRelativePrefix(t));
}

TEST(RoundToNiceValue, GivesOneTwoOrFiveTimesAPowerOfTen)
{
    const std::pair<double, double> cases[] = {{1, 1},     {2.4, 2},   {3, 5},       {7.4, 5},    {8, 10},
                                               {0.96, 1},  {0.0042, 0.005}, {3.7e5, 5e5}, {9.6, 10}, {2.5e-9, 5e-9},
                                               {-3.7e5, -4e5}, {0, 0}};
    for (auto [x, nice] : cases)
        EXPECT_EQ(RoundToNiceValue(x), nice) << x;
}

} // namespace
