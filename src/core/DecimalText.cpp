#include "core/DecimalText.h"

#include <charconv>
#include <cmath>

namespace {

// 40 significant digits are far beyond double's 17: a value that is not an exact tie in the first
// 20 digits cannot look like one here, so rounding on this text equals rounding the exact value.
constexpr int kExactDigits = 40;

std::string exponentText(int e)
{
    return "E" + std::to_string(e);
}

} // namespace

DecimalDigits DecimalDigits::of(double x)
{
    DecimalDigits d;
    d.negative = std::signbit(x) && x != 0.0;
    if (x == 0.0) {
        d.digits = "0";
        return d;
    }
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, kExactDigits - 1);
    std::string text(buf, res.ptr);
    const auto e = text.find('e');
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    d.pointPos = std::stoi(text.substr(e + 1)) + 1;
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

void DecimalDigits::roundToSignificant(int n)
{
    if (isZero() || n >= static_cast<int>(digits.size()))
        return;
    if (n < 0) {
        digits = "0";
        pointPos = 1;
        return;
    }
    const bool up = digits[n] >= '5';
    digits.resize(n);
    if (up) {
        int i = n - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            ++pointPos;
        } else {
            ++digits[i];
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty()) {
        digits = "0";
        pointPos = 1;
    }
}

std::string NonFiniteText(double x)
{
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x < 0 ? "-INF" : "INF";
    return {};
}

std::string FixedText(double x, int decimals, char separator)
{
    if (auto special = NonFiniteText(x); !special.empty())
        return special;
    DecimalDigits d = DecimalDigits::of(x);
    d.roundToDecimals(decimals);
    std::string intPart, fracPart;
    const int n = static_cast<int>(d.digits.size());
    for (int pos = 0; pos < d.pointPos; ++pos)
        intPart += (!d.isZero() && pos < n) ? d.digits[pos] : '0';
    if (intPart.empty())
        intPart = "0";
    for (int k = 0; k < decimals; ++k) {
        const int pos = d.pointPos + k;
        fracPart += (!d.isZero() && pos >= 0 && pos < n) ? d.digits[pos] : '0';
    }
    std::string out = (d.negative && !d.isZero()) ? "-" : "";
    out += intPart;
    if (decimals > 0)
        out += separator + fracPart;
    return out;
}

std::string ScientificText(double x, int mantissaDecimals, bool trimZeros, char separator)
{
    if (auto special = NonFiniteText(x); !special.empty())
        return special;
    DecimalDigits d = DecimalDigits::of(x);
    d.roundToSignificant(mantissaDecimals + 1);
    std::string mantissa = d.digits.substr(0, 1);
    std::string fraction = d.digits.substr(1);
    if (!trimZeros)
        fraction.resize(mantissaDecimals, '0');
    std::string out = d.negative && !d.isZero() ? "-" : "";
    out += mantissa;
    if (!fraction.empty())
        out += separator + fraction;
    return out + exponentText(d.isZero() ? 0 : d.pointPos - 1);
}

std::string GeneralText(double x, int precision, char separator)
{
    if (auto special = NonFiniteText(x); !special.empty())
        return special;
    if (x == 0.0)
        return "0";
    DecimalDigits d = DecimalDigits::of(x);
    d.roundToSignificant(precision);
    const bool fixed = std::fabs(x) >= 1e-5 && d.pointPos <= precision;
    if (!fixed)
        return ScientificText(x, precision - 1, true, separator);
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.pointPos <= 0) {
        out += "0";
        out += separator;
        out += std::string(-d.pointPos, '0') + d.digits;
        return out;
    }
    for (int pos = 0; pos < d.pointPos; ++pos)
        out += pos < n ? d.digits[pos] : '0';
    if (n > d.pointPos)
        out += separator + d.digits.substr(d.pointPos);
    return out;
}
