#include "core/MathRoutines.h"

#include "core/DecimalText.h"

#include <charconv>
#include <string>

double RoundToNiceValue(double x)
{
    // "#E-": one significant digit, exponent signed only when negative.
    std::string s = ScientificText(x, 0, true, '.');
    if (s[0] == '8' || s[0] == '9') {
        s = ScientificText(10.0 * x, 0, true, '.');
        s[0] = '1';
    } else if (s[0] == '3' || s[0] == '4' || s[0] == '6' || s[0] == '7') {
        s[0] = '5';
    }
    double value = 0.0;
    std::from_chars(s.data(), s.data() + s.size(), value);
    return value;
}
