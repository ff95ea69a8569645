#include "session/replay_info.h"

#include <fmt/format.h>
#include <ostream>
#include <system_error>

#include "frame/names.h"
#include "frame/version.h"
#include "session/calendar_time.h"

namespace {

// " - 2021/12/9 13:05": the file's last write, in UTC.
std::string writeTimeText(const std::filesystem::directory_entry& entry)
{
    std::error_code error;
    const auto written = entry.last_write_time(error);
    if (error)
        return {};
    const CalendarTime utc = utcCalendarTime(written);
    return fmt::format(" - {}/{}/{} {:02}:{:02}", utc.year, utc.month, utc.day, utc.hour, utc.minute);
}

// A mode outside the table shows as its number.
std::string modeName(int mode)
{
    if (mode >= 0 && mode < int(gameModeShortNames.size()))
        return gameModeShortNames[std::size_t(mode)];
    return std::to_string(mode);
}

}

void formatReplayInfo(std::ostream& out, const ReplayInfo& info)
{
    out << info.number;
    if (info.errors.empty()) {
        if (info.entry)
            out << writeTimeText(*info.entry);
        out << " - " << modeName(info.mode) << " - " << info.players << " players - "
            << versionString(info.version);
    } else {
        out << " - Error - select for details";
    }
    if (info.entry)
        out << " - " << (info.totalSize >> 10) << "kB";
}
