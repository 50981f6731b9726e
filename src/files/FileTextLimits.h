#pragma once

#include <cstddef>
#include <string>

// Bounds that keep a hostile or damaged file from exhausting memory or time, and the quoting of file
// texts in messages.
namespace FileLimits {
// The .simx reader refuses larger files: a thousand bodies take well under a megabyte, and the parsed
// document of the worst file of this size (millions of empty values) stays below a hundred megabytes.
inline constexpr size_t MaxSimxBytes = 4u << 20;
// More bodies than this cannot be simulated at a useful speed (every step is quadratic in the count).
inline constexpr size_t MaxBodies = 1000;
// JSON nesting deeper than this is refused before parsing; a simulation file nests three levels.
inline constexpr int MaxNesting = 64;
}

// A file text as a message quotes it: at most 40 characters, "..." marking a cut.
std::string ShortenedForMessage(const std::string &text);
