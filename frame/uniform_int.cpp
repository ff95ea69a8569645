#include "frame/uniform_int.h"

#include <cstdint>

int uniformIntInclusive(std::mt19937& engine, int lo, int hi)
{
    if (hi <= lo)
        return lo;
    const std::uint64_t span = std::uint64_t(std::int64_t(hi) - std::int64_t(lo)) + 1;
    const std::uint64_t range = std::uint64_t(1) << 32;
    if (span >= range)
        return int(std::int64_t(lo) + std::int64_t(engine()));
    const std::uint64_t limit = range - range % span;
    std::uint64_t draw = engine();
    while (draw >= limit)
        draw = engine();
    return int(std::int64_t(lo) + std::int64_t(draw % span));
}
