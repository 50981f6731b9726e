#include "core/WriteRoutines.h"

#include "core/DecimalText.h"

#include <cmath>

std::string FormatPatternFor(double x, const std::string &current)
{
    const double m = std::fabs(x);
    if (m >= 100 && m < 100000)
        return "###";
    if (m >= 10 && m < 100)
        return "##.0";
    if (m >= 1 && m < 10)
        return "#.#0";
    if (m >= 0.1 && m < 1)
        return "0.#00";
    if (m >= 0.01 && m < 0.1)
        return "0.##00";
    if (m >= 0.001 && m < 0.01)
        return "0.###00";
    if (m >= 0.0001 && m < 0.001)
        return "0.####00";
    return current;
}

std::string FormatWithPattern(double x, const std::string &pattern, NumberLocale locale)
{
    const auto point = pattern.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    std::string text = FixedText(x, decimals, locale.decimalSeparator);
    // A picture whose integer part is all '#' prints no lone leading zero (".50").
    const std::string intPicture = pattern.substr(0, point);
    if (intPicture.find('0') == std::string::npos) {
        const size_t digitStart = (!text.empty() && text[0] == '-') ? 1 : 0;
        if (text.compare(digitStart, 2, std::string("0") + locale.decimalSeparator) == 0)
            text.erase(digitStart, 1);
    }
    return text;
}

std::string FormatNumber(double x, NumberLocale locale)
{
    if (x == 0.0)
        return "0";
    const double m = std::fabs(x);
    if (m > 1e-4 && m < 1e5)
        return FormatWithPattern(x, FormatPatternFor(x), locale);
    return ScientificText(x, 2, false, locale.decimalSeparator);
}
