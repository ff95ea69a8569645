#pragma once
#include <cstdint>

namespace platform {

// High-resolution monotonic counter and its ticks per second.
std::int64_t performanceCounter();
std::int64_t performanceFrequency();

}
