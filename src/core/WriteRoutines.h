#pragma once

#include "core/NumberLocale.h"

#include <string>

// The common number text of readouts, hints and messages: three significant digits for
// 1e-4 < |x| < 1e5 (12346, 100.0, 5.00, 0.500, 0.0123), otherwise "#.#0E-" (1.23E5, 5.00E-5); 0 gives "0".
std::string FormatNumber(double x, NumberLocale locale);

// The decimal picture FormatNumber uses for 1e-4 <= |x| < 1e5 ("###", "##.0", "#.#0", "0.#00" ...);
// outside that range it returns `current` unchanged.
std::string FormatPatternFor(double x, const std::string &current = {});

// Formats x with one of the pictures FormatPatternFor returns.
std::string FormatWithPattern(double x, const std::string &pattern, NumberLocale locale);
