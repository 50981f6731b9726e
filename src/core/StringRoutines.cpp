#include "core/StringRoutines.h"

#include "core/DecimalText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace {

// Checks the grammar sign? digits [sep digits] [e sign? digits] with at least one mantissa digit,
// and rewrites the separator to '.' for from_chars. Returns false on any other character.
bool toCanonical(const std::string &text, char separator, std::string &out)
{
    out.clear();
    size_t i = 0;
    const size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        out += text[i++];
    int mantissaDigits = 0;
    bool seenSeparator = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            out += c;
            ++mantissaDigits;
        } else if (c == separator && !seenSeparator) {
            out += '.';
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            out += text[i++];
        int exponentDigits = 0;
        for (; i < n && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++exponentDigits)
            out += text[i];
        if (exponentDigits == 0)
            return false;
    }
    return i == n;
}

// The decimal exponent of the leading digit of a canonical text: whether an out-of-range result
// is an underflow (becomes 0) or an overflow (fails).
long leadingExponent(const std::string &canonical)
{
    const auto ePos = canonical.find('e');
    const std::string mantissa = canonical.substr(0, ePos);
    long exponent = 0;
    if (ePos != std::string::npos) {
        const std::string e = canonical.substr(ePos + 1);
        const auto digits = e.find_first_not_of("+-");
        // Clamp absurd exponents: only the sign of the result matters here.
        exponent = e.size() - digits > 6 ? 999999L : std::stol(e.substr(digits));
        if (e[0] == '-')
            exponent = -exponent;
    }
    const auto point = mantissa.find('.');
    const std::string intDigits = mantissa.substr(0, point);
    const auto firstNonZero = intDigits.find_first_not_of("+-0");
    if (firstNonZero != std::string::npos)
        return exponent + static_cast<long>(intDigits.size() - firstNonZero) - 1;
    if (point == std::string::npos)
        return exponent - 1;
    const std::string frac = mantissa.substr(point + 1);
    const auto fracNonZero = frac.find_first_not_of('0');
    return exponent - static_cast<long>(fracNonZero == std::string::npos ? frac.size() : fracNonZero) - 1;
}

bool parseCanonical(const std::string &text, char separator, double &value)
{
    std::string canonical;
    if (!toCanonical(text, separator, canonical))
        return false;
    const char *begin = canonical.data();
    if (*begin == '+')
        ++begin;
    double parsed = 0.0;
    const auto res = std::from_chars(begin, canonical.data() + canonical.size(), parsed);
    if (res.ec == std::errc::result_out_of_range) {
        if (leadingExponent(canonical) >= 0)
            return false;
        parsed = canonical[0] == '-' ? -0.0 : 0.0;
    } else if (res.ec != std::errc() || res.ptr != canonical.data() + canonical.size()) {
        return false;
    }
    if (!std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

} // namespace

bool TryTextToFloat(const std::string &text, double &value, NumberLocale locale)
{
    std::string t;
    std::copy_if(text.begin(), text.end(), std::back_inserter(t), [](char c) { return c != ' '; });
    if (locale.decimalSeparator == ',')
        std::replace(t.begin(), t.end(), '.', ',');
    else if (locale.decimalSeparator == '.')
        std::replace(t.begin(), t.end(), ',', '.');
    return parseCanonical(t, locale.decimalSeparator, value);
}

double TextToFloat(const std::string &text, NumberLocale locale)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    const std::string trimmed = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    double value = 0.0;
    if (!parseCanonical(trimmed, locale.decimalSeparator, value))
        throw std::invalid_argument("'" + text + "' is not a valid floating point value");
    return value;
}

bool RemoveRelativePrefix(std::string &text)
{
    auto upperStartsWith = [&text](const std::string &prefix) {
        if (text.size() < prefix.size())
            return false;
        for (size_t i = 0; i < prefix.size(); ++i)
            if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i])
                return false;
        return true;
    };
    bool removed = false;
    for (const char *prefix : {"P+", "P +", "P + "}) {
        const std::string p(prefix);
        if (upperStartsWith(p)) {
            text.erase(0, p.size());
            removed = true;
        }
    }
    return removed;
}

std::string FloatToDisplayStr(double x, NumberLocale locale)
{
    if (std::isnan(x) || std::fabs(x) < 10000.0)
        return GeneralText(x, 15, locale.decimalSeparator);
    return ScientificText(x, 1, true, locale.decimalSeparator);
}
