#include "game/sprite_state.h"

#include <cstdint>
#include <cstring>

namespace {
void mix(std::size_t& seed, std::size_t value)
{
    seed ^= value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2);
}

std::size_t floatBits(float f)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}
}

std::size_t SpriteStateHash::operator()(const SpriteState& s) const
{
    std::size_t seed = 0;
    mix(seed, std::size_t(s.look.head));
    mix(seed, std::size_t(s.look.variant));
    for (float c : {s.look.colour.r, s.look.colour.g, s.look.colour.b, s.look.colour.a})
        mix(seed, floatBits(c));
    mix(seed, std::size_t(s.facing));
    mix(seed, std::size_t(s.shield));
    mix(seed, std::size_t(s.frame));
    int flags = (s.slowed << 0) | (s.snake << 1) | (s.ai << 2) | (s.held << 3) | (s.dead << 4) |
                (s.remoteArmed << 5);
    mix(seed, std::size_t(flags));
    return seed;
}
