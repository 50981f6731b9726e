#pragma once

#include <string>

// Decimal digits of a double, rounded the way the program's texts round: to the nearest value in the
// last printed place, halves away from zero. The digits come from the exact binary value, so 2.675
// (really 2.67499999...) rounds down and 2.5 rounds up.
struct DecimalDigits {
    bool negative = false;
    std::string digits;  // significant digits without leading zeros; "0" for zero
    int pointPos = 1;    // value = 0.d1d2d3... x 10^pointPos

    static DecimalDigits of(double x);
    bool isZero() const { return digits == "0"; }
    // Keeps the first n significant digits (n may be 0 or negative: the value rounds to 0 or to a carry).
    void roundToSignificant(int n);
    void roundToDecimals(int decimals) { roundToSignificant(pointPos + decimals); }
};

// Fixed notation with exactly `decimals` digits after the separator ("0.500").
std::string FixedText(double x, int decimals, char separator);
// Scientific notation "1.23E5" / "5.00E-5": mantissaDecimals digits after the separator, trailing zeros
// (and then the separator) removed when trimZeros, exponent without leading zeros and '+'.
std::string ScientificText(double x, int mantissaDecimals, bool trimZeros, char separator);
// The shortest of fixed and scientific forms with at most `precision` significant digits, trailing zeros
// removed: fixed when 1e-5 <= |x| and the integer digits fit in `precision`, else scientific.
std::string GeneralText(double x, int precision, char separator);
// "NAN", "INF" or "-INF" for a value that is not finite, else empty.
std::string NonFiniteText(double x);
