#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>

#include "session/replay_info.h"
#include "support/temp_folder.h"

namespace {

std::string label(const ReplayInfo& info)
{
    std::ostringstream out;
    formatReplayInfo(out, info);
    return out.str();
}

TEST(ReplayLabel, NamesNumberModePlayersAndVersion)
{
    ReplayInfo info;
    info.number = 12;
    info.version = 0x1001002;
    info.mode = 2;
    info.players = 4;
    EXPECT_EQ(label(info), "12 - Battle Royale - 4 players - 1.1.2");
    info.mode = 9;
    EXPECT_EQ(label(info), "12 - 9 - 4 players - 1.1.2");
    info.errors = {"Replay from future version of game: 1.1.3"};
    EXPECT_EQ(label(info), "12 - Error - select for details");
}

TEST(ReplayLabel, AListedFileAddsItsUtcTimeAndSize)
{
    TempFolder folder;
    const auto path = folder.path() / "12.1.1.2.replay";
    writeFile(path, std::string(1536, 'x'));
    using namespace std::chrono;
    const sys_seconds written = sys_days{year{2021} / 12 / 9} + hours{13} + minutes{5};
    std::filesystem::last_write_time(path, file_clock::from_sys(written));

    ReplayInfo info;
    info.number = 12;
    info.version = 0x1001002;
    info.mode = 2;
    info.players = 4;
    info.entry = std::filesystem::directory_entry(path);
    info.totalSize = 1536 + 2048;
    EXPECT_EQ(label(info), "12 - 2021/12/9 13:05 - Battle Royale - 4 players - 1.1.2 - 3kB");
    info.errors = {"broken"};
    EXPECT_EQ(label(info), "12 - Error - select for details - 3kB");

    // Whole kilobytes of 1024 bytes, rounded down.
    for (auto [bytes, shown] : {std::pair<std::uintmax_t, const char*>{0, "0kB"},
                                {1000, "0kB"}, {1023, "0kB"}, {1024, "1kB"}, {2047, "1kB"},
                                {2048, "2kB"}, {10239, "9kB"}, {10240, "10kB"}}) {
        info.totalSize = bytes;
        EXPECT_EQ(label(info), std::string("12 - Error - select for details - ") + shown) << bytes;
    }
}

}
