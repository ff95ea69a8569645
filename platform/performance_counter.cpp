#include "platform/performance_counter.h"

#include <chrono>

namespace platform {

std::int64_t performanceCounter()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t performanceFrequency()
{
    return 1'000'000'000;
}

}
