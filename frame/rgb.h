#pragma once
#include <cstdint>

// Three 8-bit colour components.
struct RGB {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(const RGB&, const RGB&) = default;
};
