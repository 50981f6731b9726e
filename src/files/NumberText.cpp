#include "files/NumberText.h"

#include "core/DecimalText.h"

#include <cmath>

std::string FileNumberText(double x, NumberLocale locale)
{
    // The general form switches to scientific only below 1e-5; files do so below 1e-4.
    if (x != 0.0 && std::fabs(x) < 1e-4)
        return ScientificText(x, 14, true, locale.decimalSeparator);
    return GeneralText(x, 15, locale.decimalSeparator);
}

std::string AdjustDecimalSeparator(const std::string &Text, NumberLocale locale)
{
    const char separator = locale.decimalSeparator;
    if (separator != '.' && separator != ',')
        return Text;
    std::string out = Text;
    const char other = separator == '.' ? ',' : '.';
    if (auto pos = out.find(other); pos != std::string::npos)
        out[pos] = separator;
    return out;
}
