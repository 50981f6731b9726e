#pragma once

// The 80-bit IEEE extended-precision value older files store (little-endian: 64-bit mantissa with an
// explicit integer bit, then 15-bit exponent and sign), rounded to the nearest double. Values beyond
// double's range become infinite, NaNs stay NaN.
double ExtendedToDouble(const unsigned char bytes[10]);
