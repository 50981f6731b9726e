#include "files/ColorText.h"
#include "files/Extended80.h"
#include "files/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr NumberLocale kPoint = NumberLocale::point();
constexpr NumberLocale kComma = NumberLocale::comma();

struct NumberCase {
    double x;
    const char *point;
    const char *comma;
};

class FileNumberTextTest : public testing::TestWithParam<NumberCase> {};

TEST_P(FileNumberTextTest, WritesFifteenDigitsInTheWritersLocale)
{
    EXPECT_EQ(FileNumberText(GetParam().x, kPoint), GetParam().point);
    EXPECT_EQ(FileNumberText(GetParam().x, kComma), GetParam().comma);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FileNumberTextTest,
    testing::Values(NumberCase{0.6f, "0.600000023841858", "0,600000023841858"}, NumberCase{0, "0", "0"},
                    NumberCase{6.674e-11, "6.674E-11", "6,674E-11"}, NumberCase{1.989e30, "1.989E30", "1,989E30"},
                    NumberCase{-2.5e-7, "-2.5E-7", "-2,5E-7"}, NumberCase{0.0001, "0.0001", "0,0001"},
                    NumberCase{0.00009, "9E-5", "9E-5"}, NumberCase{999999999999999, "999999999999999", "999999999999999"},
                    NumberCase{1e15, "1E15", "1E15"}, NumberCase{1.5e11, "150000000000", "150000000000"},
                    NumberCase{1.0 / 3.0, "0.333333333333333", "0,333333333333333"},
                    NumberCase{1.5707964f, "1.57079637050629", "1,57079637050629"}, NumberCase{-1, "-1", "-1"}));

TEST(AdjustDecimalSeparator, MakesTheFirstForeignSeparatorTheReaders)
{
    EXPECT_EQ(AdjustDecimalSeparator("1,5E-7", kPoint), "1.5E-7");
    EXPECT_EQ(AdjustDecimalSeparator("1,5,5", kPoint), "1.5,5");
    EXPECT_EQ(AdjustDecimalSeparator("1.5E-7", kComma), "1,5E-7");
    EXPECT_EQ(AdjustDecimalSeparator("1.5", kPoint), "1.5");
    EXPECT_EQ(AdjustDecimalSeparator("1,5", NumberLocale{'\''}), "1,5");
}

TEST(ColorToText, NamesKeywordColoursAndWritesOthersInHex)
{
    EXPECT_EQ(ColorToText(0xFFFFFFFF), "White");
    EXPECT_EQ(ColorToText(0xFFD3D3D3), "Lightgray");
    EXPECT_EQ(ColorToText(0xFF483D8B), "Darkslateblue");
    EXPECT_EQ(ColorToText(0xFF00FFFF), "Aqua") << "not Cyan";
    EXPECT_EQ(ColorToText(0xFF808080), "Gray") << "not Grey";
    EXPECT_EQ(ColorToText(0xFFFF00FF), "Fuchsia") << "not Magenta";
    EXPECT_EQ(ColorToText(0), "#00000000");
    EXPECT_EQ(ColorToText(0x80FFFFFF), "#80FFFFFF") << "a keyword's colour with other alpha has no name";
    EXPECT_EQ(ColorToText(0xFF2080FE), "#FF2080FE");
}

TEST(TextToColor, ReadsNamesHexAndIntegers)
{
    EXPECT_EQ(TextToColor("WHITE"), 0xFFFFFFFFu);
    EXPECT_EQ(TextToColor("darkSlateBlue"), 0xFF483D8Bu);
    EXPECT_EQ(TextToColor("Grey"), 0xFF808080u);
    EXPECT_EQ(TextToColor("#FF2080fe"), 0xFF2080FEu);
    EXPECT_EQ(TextToColor("xFF2080FE"), 0xFF2080FEu);
    EXPECT_EQ(TextToColor("$FF2080FE"), 0xFF2080FEu);
    EXPECT_EQ(TextToColor("#FF"), 0xFFu);
    EXPECT_EQ(TextToColor("4278190335"), 0xFF0000FFu);
    EXPECT_EQ(TextToColor("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(TextToColor("0"), 0u);
    for (const char *bad : {"", "#", "x", "$", "Notacolor", "#1FFFFFFFF", "#GG", "4294967296", "-2147483649",
                            "12abc", "+5", "#-1", " White", "1.5"})
        EXPECT_FALSE(TextToColor(bad).has_value()) << bad;
}

TEST(ColorText, EveryWrittenColourReadsBack)
{
    int named = 0;
    for (uint32_t rgb = 0; rgb < 0x1000000; rgb += 0x10101) {
        for (uint32_t alpha : {0x00u, 0x7Fu, 0xFFu}) {
            const uint32_t color = (alpha << 24) | rgb;
            const std::string text = ColorToText(color);
            named += text[0] != '#';
            EXPECT_EQ(TextToColor(text), color) << text;
        }
    }
    EXPECT_GT(named, 0);
}

std::array<unsigned char, 10> extendedBytes(long double x)
{
    static_assert(std::numeric_limits<long double>::digits == 64, "x86 extended precision expected");
    std::array<unsigned char, 10> bytes{};
    std::memcpy(bytes.data(), &x, 10);
    return bytes;
}

TEST(ExtendedToDouble, RoundsToTheNearestDouble)
{
    for (long double x : {1.0L, -1.0L, 6.674e-11L, 6.67e-11L, 1.989e30L, 0.0L, 1e-300L, 1e300L})
        EXPECT_EQ(ExtendedToDouble(extendedBytes(x).data()), static_cast<double>(x)) << static_cast<double>(x);
    EXPECT_EQ(ExtendedToDouble(extendedBytes(1.0L + 0x1p-60L).data()), 1.0);
    EXPECT_EQ(ExtendedToDouble(extendedBytes(1.0L + 0x1p-52L + 0x1p-53L + 0x1p-60L).data()), 1.0 + 0x1p-51);
    EXPECT_EQ(ExtendedToDouble(extendedBytes(1e4000L).data()), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ExtendedToDouble(extendedBytes(-1e-4000L).data()), 0.0);
    EXPECT_TRUE(std::signbit(ExtendedToDouble(extendedBytes(-1e-4000L).data())));
    EXPECT_EQ(ExtendedToDouble(extendedBytes(-std::numeric_limits<long double>::infinity()).data()),
              -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(ExtendedToDouble(extendedBytes(std::numeric_limits<long double>::quiet_NaN()).data())));
}

} // namespace
