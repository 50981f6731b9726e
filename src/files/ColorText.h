#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A body colour (ARGB, alpha in the top byte) as a simulation file stores it: the capitalised name of
// one of the 147 CSS/SVG colour keywords when it has one (the alphabetically first of equal values),
// else "#AARRGGBB" in upper-case hexadecimal.
std::string ColorToText(uint32_t color);

// Reads "#" or "x" with up to eight hexadecimal digits (AARRGGBB), a keyword in any letter case, or an
// integer (decimal, or hexadecimal after "$"); nothing for any other text or a value beyond 32 bits.
std::optional<uint32_t> TextToColor(const std::string &text);
