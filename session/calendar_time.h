#pragma once
#include <filesystem>

// A moment as the replay list shows it, in UTC.
struct CalendarTime {
    int year = 0;
    int month = 0;    // 1..12
    int day = 0;      // 1..31
    int hour = 0;
    int minute = 0;
};

// A file time in UTC calendar terms, whatever the local time zone.
CalendarTime utcCalendarTime(std::filesystem::file_time_type time);
