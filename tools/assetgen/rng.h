#pragma once
#include <cstdint>

// SplitMix64: a small, fast generator whose output is the same on every
// platform and standard library, so generated assets are byte-identical.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}

    uint64_t next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [-1, 1).
    double signedUnit() { return unit() * 2.0 - 1.0; }
    // Uniform integer in [lo, hi].
    int range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<uint64_t>(hi - lo + 1)); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    bool chance(double p) { return unit() < p; }

private:
    uint64_t state_;
};

// A stable seed from a name, so each asset's randomness depends only on itself.
inline uint64_t seedFor(const char* text, uint64_t salt = 0)
{
    uint64_t h = 1469598103934665603ull ^ salt;
    for (const char* p = text; *p; ++p) {
        h ^= static_cast<unsigned char>(*p);
        h *= 1099511628211ull;
    }
    return h;
}
