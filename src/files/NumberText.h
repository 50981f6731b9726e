#pragma once

#include "core/NumberLocale.h"

#include <string>

// A floating-point field as a simulation file stores it: at most 15 significant digits, trailing zeros
// dropped, plain notation for 1e-4 <= |x| < 1e15, otherwise mantissa, "E" and exponent (6.674E-11);
// the writer's decimal separator, never a thousands separator. A single is widened first, so 0.6f
// gives 0.600000023841858.
std::string FileNumberText(double x, NumberLocale locale);

// The text with its first separator of the other kind made the reader's: under "." the first ","
// becomes "."; under "," the first "." becomes ","; any other separator leaves the text alone.
std::string AdjustDecimalSeparator(const std::string &Text, NumberLocale locale);
