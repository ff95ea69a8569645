#include "session/calendar_time.h"

#include <chrono>
#include <ctime>

CalendarTime utcCalendarTime(std::filesystem::file_time_type time)
{
    using namespace std::chrono;
    const auto system = time_point_cast<system_clock::duration>(file_clock::to_sys(time));
    const std::time_t seconds = system_clock::to_time_t(system);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min};
}
