#include "files/Extended80.h"

#include <cmath>
#include <cstdint>
#include <limits>

double ExtendedToDouble(const unsigned char bytes[10])
{
    uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[i];
    const unsigned signAndExponent = bytes[8] | (unsigned(bytes[9]) << 8);
    const bool negative = (signAndExponent & 0x8000u) != 0;
    const int exponent = static_cast<int>(signAndExponent & 0x7FFFu);
    double magnitude;
    if (exponent == 0x7FFF) {
        // Only the fraction bits below the integer bit tell infinity from NaN.
        magnitude = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                         : std::numeric_limits<double>::quiet_NaN();
    } else {
        // The integer bit is explicit, so denormals (exponent 0) scale like the others with 1 - bias.
        // Converting the 64-bit mantissa rounds it to 53 bits once; ldexp is exact until the result
        // leaves double's normal range.
        const int unbiased = (exponent == 0 ? 1 : exponent) - 16383;
        magnitude = std::ldexp(static_cast<double>(mantissa), unbiased - 63);
    }
    return negative ? -magnitude : magnitude;
}
