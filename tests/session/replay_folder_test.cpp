#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <sstream>

#include "frame/file_stream.h"
#include "session/calendar_time.h"
#include "session/replay_folder.h"
#include "session/replay_header.h"
#include "support/temp_folder.h"
#include "support/unprivileged_user.h"

namespace fs = std::filesystem;

namespace {

class ReplayFolder : public ::testing::Test {
protected:
    fs::path folder() { return fs::path(getReplaysFolder()); }
    fs::path file(const std::string& name, std::size_t size = 0)
    {
        fs::path path = folder() / name;
        fs::create_directories(path.parent_path());
        writeFile(path, std::string(size, 'x'));
        return path;
    }
    static fs::file_time_type at(int year, int month, int day, int hour, int minute)
    {
        using namespace std::chrono;
        const sys_days date = std::chrono::year(year) / month / day;
        const sys_seconds moment = date + hours(hour) + minutes(minute);
        return time_point_cast<fs::file_time_type::duration>(file_clock::from_sys(moment));
    }
    std::vector<int> numbers(const std::vector<ReplayInfo>& list)
    {
        std::vector<int> n;
        for (const ReplayInfo& info : list)
            n.push_back(info.number);
        return n;
    }
    TempDataHome home;
};

TEST_F(ReplayFolder, NewNamesFollowTheHighestNumberAndNeverTakeAStoredName)
{
    EXPECT_EQ(getNewReplayFilename(), folder().string() + "/0.1.1.2.replay");
    file("3.1.0.9.replay");
    file("7.1.1.2.replay");
    EXPECT_EQ(getNextReplayNumber(), 8);
    // A companion left without its replay still keeps its name.
    file("8.1.1.2.replay.verifyZ");
    EXPECT_EQ(getNewReplayFilename(), folder().string() + "/9.1.1.2.replay");
    // Odd names are skipped rather than ending the listing.
    file("notes.txt");
    file("x.replay");
    file("99999999999999.1.1.2.replay");
    file("-4.1.1.2.replay");
    file("20.1.1.2.notreplay");
    fs::create_directories(folder() / "12.1.1.2.replay");
    file("old/15.1.1.2.replay");
    EXPECT_EQ(getNextReplayNumber(), 16);
    EXPECT_EQ(getAllReplays(false).size(), 3u);
    // Nine digits are still a replay number.
    file("123456789.1.1.2.replay");
    EXPECT_EQ(getNextReplayNumber(), 123456790);
}

// A replays folder whose names can be read but not looked at still gives the
// number after its highest, and one that cannot be read at all gives 0: the
// search for a free name never takes a failed look for a taken name.
TEST_F(ReplayFolder, AFolderThatCannotBeSearchedStillGivesANumber)
{
    file("3.1.1.2.replay");
    file("4.1.1.2.replay.verifyZ");
    fs::permissions(folder(), fs::perms::owner_read);
    {
        UnprivilegedUser user(folder(), home.folder().path(), true);
        EXPECT_EQ(getNextReplayNumber(), 4);
        fs::permissions(folder(), fs::perms::none);
        EXPECT_EQ(getNextReplayNumber(), 0);
    }
}

TEST_F(ReplayFolder, ListsNewestFirstWithSizesIncludingCompanions)
{
    file("1.1.1.2.replay.verifyZ", 2048);
    file("1.1.1.2.replay.verify", 10);
    // Ties go by number; a clock set wrong leaves a file in the future, still simply the newest.
    const std::pair<int, fs::file_time_type> times[] = {
        {1, at(2021, 12, 9, 13, 5)}, {2, at(2021, 12, 9, 13, 5)}, {3, at(2020, 1, 1, 0, 0)}, {4, at(2100, 1, 1, 0, 0)}};
    for (auto [number, time] : times)
        fs::last_write_time(file(std::to_string(number) + ".1.1.2.replay", number == 1 ? 1536 : 1), time);
    auto list = getAllReplays(false);
    EXPECT_EQ(numbers(list), (std::vector<int>{4, 2, 1, 3}));
    EXPECT_EQ(list[2].totalSize, 1536u + 2048u + 10u);
    EXPECT_EQ(list[2].path, (folder() / "1.1.1.2.replay").string());
    EXPECT_TRUE(list[2].entry.has_value());
    EXPECT_TRUE(list[2].errors.empty());
}

TEST_F(ReplayFolder, FileTimesAreShownInUtc)
{
    const char* old = std::getenv("TZ");
    const std::string previous = old ? old : "";
    // The last minute of a leap day, and one before 1970 (counted backwards from the epoch).
    const std::vector<int> moments[] = {{2021, 12, 9, 13, 5}, {2024, 2, 29, 23, 59}, {1969, 12, 31, 23, 59}};
    for (const char* zone : {"UTC", "Asia/Tokyo", "America/New_York"}) {
        setenv("TZ", zone, 1);
        tzset();
        for (const std::vector<int>& m : moments) {
            const CalendarTime t = utcCalendarTime(at(m[0], m[1], m[2], m[3], m[4]));
            EXPECT_EQ((std::vector<int>{t.year, t.month, t.day, t.hour, t.minute}), m) << zone;
        }
    }
    if (old)
        setenv("TZ", previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST_F(ReplayFolder, UnreadableHeadersBecomeTheEntrysErrors)
{
    file("1.1.1.2.replay");   // empty: nothing to read
    auto list = getAllReplays(true);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_FALSE(list[0].errors.empty());
    EXPECT_EQ(list[0].mode, 0);
    EXPECT_EQ(list[0].players, 2);

    std::ostringstream future;
    File::writeInt32(future, 0x1001003);
    writeFile(folder() / "2.1.1.3.replay", future.str());
    std::ostringstream negative;
    File::writeInt32(negative, -5);
    writeFile(folder() / "3.1.1.2.replay", negative.str());
    std::ostringstream zero;
    File::writeInt32(zero, 0);
    writeFile(folder() / "4.1.1.2.replay", zero.str());
    for (const ReplayInfo& info : getAllReplays(true)) {
        ASSERT_FALSE(info.errors.empty()) << info.number;
        if (info.number == 1) {
            ASSERT_EQ(info.errors.size(), 3u);
            EXPECT_EQ(info.errors[1], "One possible cause is a crash while starting a game");
            EXPECT_EQ(info.errors[2], "You can safely delete this file");
        } else if (info.number == 2) {
            EXPECT_EQ(info.errors, std::vector<std::string>{"Replay from future version of game: 1.1.3"});
        } else {
            EXPECT_EQ(info.errors, std::vector<std::string>{"Invalid replay version: " +
                                                            std::string(info.number == 3 ? "-1.4095.4091" : "0.0.0")});
        }
    }
}

}
