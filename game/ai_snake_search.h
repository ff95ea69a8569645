#pragma once
#include <cstdint>
#include <functional>

// Nanoseconds of a steady clock. A computer snake's decision times itself with
// it to adapt the search depth; tests put a clock of their own here.
extern std::function<std::int64_t()> snakeSearchClock;

// The clock the game runs with: the platform's performance counter, in nanoseconds.
std::int64_t steadyClockNanoseconds();
