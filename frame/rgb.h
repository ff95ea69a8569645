#pragma once
#include <algorithm>
#include <cstdint>

// Three 8-bit colour components.
struct RGB {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(const RGB&, const RGB&) = default;
};

// An 8-bit component from any int: out-of-range values are clamped, never wrapped.
constexpr std::uint8_t colourComponent(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}
