#pragma once

#include <cstdint>
#include <string_view>

// A small seeded generator (splitmix64) so that every build draws the same pictures on every platform;
// the standard distributions may differ between libraries.
class ArtRandom {
public:
    explicit ArtRandom(uint64_t seed) : m_state(seed) {}
    explicit ArtRandom(std::string_view name) : m_state(hash(name)) {}

    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi).
    double uniform(double lo = 0.0, double hi = 1.0) { return lo + (hi - lo) * double(next() >> 11) * 0x1.0p-53; }

private:
    static uint64_t hash(std::string_view text)
    {
        uint64_t h = 1469598103934665603ull;  // FNV-1a
        for (unsigned char c : text)
            h = (h ^ c) * 1099511628211ull;
        return h;
    }

    uint64_t m_state;
};
