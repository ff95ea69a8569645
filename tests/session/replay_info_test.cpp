#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

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
}

}
