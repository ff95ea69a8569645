#include "session/calendar_time.h"

#include <chrono>

CalendarTime utcCalendarTime(std::filesystem::file_time_type time)
{
    using namespace std::chrono;
    // Calendar arithmetic on the system clock, which counts UTC: no time zone is consulted.
    const auto moment = floor<minutes>(file_clock::to_sys(time));
    const auto day = floor<days>(moment);
    const year_month_day date(day);
    const hh_mm_ss clock(moment - day);
    return {int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())), int(clock.hours().count()),
            int(clock.minutes().count())};
}
