#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "frame/file_stream.h"
#include "frame/settings.h"
#include "menus/replay_list_menu.h"
#include "session/replay_folder.h"
#include "session/replay_header.h"
#include "session/session_screens.h"
#include "support/log_capture.h"
#include "support/unprivileged_user.h"
#include "support/replay_playback.h"
#include "support/round_fixture.h"
#include "menu_test_environment.h"

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

// A replays folder of hand-made files: readable headers, a file from a
// future version and names that are not replays.
class ReplayList : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        showReplayTestOptions = false;
    }

    fs::path folder() { return getReplaysFolder(); }
    // A readable header of a `mode` round of four players, written at the given time.
    fs::path replay(int number, int mode, int minute)
    {
        resetRoundState();
        makeArena(19, 11);
        for (int i = 0; i < 4; ++i)
            addPlayer(i, {1 + i, 1});
        gameOptions.gameMode = mode;
        gameOptions.numPlayers = 4;
        resolveReplayRoundOptions(1);
        const fs::path path = folder() / (std::to_string(number) + ".1.1.2.replay");
        {
            std::ofstream out(path, std::ios::binary);
            serialiseSetup(out);
        }
        stamp(path, minute);
        return path;
    }
    fs::path futureReplay(int number, int minute)
    {
        const fs::path path = folder() / (std::to_string(number) + ".1.1.3.replay");
        {
            std::ofstream out(path, std::ios::binary);
            File::writeInt32(out, 0x1001003);
        }
        stamp(path, minute);
        return path;
    }
    static void stamp(const fs::path& path, int minute)
    {
        using namespace std::chrono;
        const sys_seconds at = sys_days{year{2021} / 12 / 9} + hours{13} + minutes{minute};
        fs::last_write_time(path, file_clock::from_sys(at));
    }
    static void companions(const fs::path& path)
    {
        writeFile(path.string() + ".verify", "text");
        writeFile(path.string() + ".verifyZ", "packed");
    }
    std::unique_ptr<TamwickMenu> list() { return viewReplaysMenu(env.context); }

    MenuTestEnvironment env;
};

TEST_F(ReplayList, LabelsErrorEntriesAndOddNames)
{
    replay(3, 2, 5);
    futureReplay(4, 6);
    // Names that are not replays are passed over, and the list goes on.
    writeFile(folder() / "x.replay", "");
    writeFile(folder() / "notes.txt", "");
    fs::create_directories(folder() / "7.1.1.2.replay");
    writeFile(folder() / "99999999999999.1.1.2.replay", "");

    auto menu = list();
    const Texts texts = env.texts(*menu);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "4 - Error - select for details - 0kB");
    EXPECT_EQ(texts[1].rfind("3 - 2021/12/9 13:05 - Battle Royale - 4 players - 1.1.2 - ", 0), 0u) << texts[1];
    EXPECT_EQ(texts[2], "Back");

    // The error entry explains itself instead of playing.
    env.tap(*menu, ALLEGRO_KEY_ENTER);
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0].lines,
              (Texts{"Error:", "Replay from future version of game: 1.1.3", "Press ENTER to exit"}));
    EXPECT_TRUE(env.games.empty());

    env.choose(*menu, "3 - ");
    ASSERT_EQ(env.games.size(), 1u);
    EXPECT_EQ(env.games[0].path, (folder() / "3.1.1.2.replay").string());
    EXPECT_FALSE(env.games[0].fast);
    EXPECT_EQ(env.texts(*menu), texts) << "playing leaves the list as it was";

    env.choose(*menu, "Back");
    EXPECT_TRUE(env.context.backRequested);
}

// A confirmed deletion removes the replay and whichever companions exist.
TEST_F(ReplayList, DeletingAsksRemovesTheFilesAndLeavesAnInertLine)
{
    const fs::path withCompanions = folder() / "1.1.1.2.replay";
    writeFile(withCompanions, "x");
    companions(withCompanions);
    stamp(withCompanions, 2);
    const fs::path alone = folder() / "2.1.1.2.replay";
    writeFile(alone, "x");
    stamp(alone, 1);
    auto menu = list();
    const Texts before = env.texts(*menu);
    ASSERT_EQ(before.size(), 3u);

    env.answers = {false};
    env.tap(*menu, ALLEGRO_KEY_DELETE);
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0].lines,
              Texts{"Confirm deletion of replay: Y or bomb button to confirm, ESC or Button 2 to cancel"});
    EXPECT_TRUE(fs::exists(withCompanions));
    EXPECT_EQ(env.texts(*menu), before);

    env.answers = {true};
    env.tap(*menu, ALLEGRO_KEY_DELETE);
    EXPECT_FALSE(fs::exists(withCompanions));
    EXPECT_FALSE(fs::exists(withCompanions.string() + ".verify"));
    EXPECT_FALSE(fs::exists(withCompanions.string() + ".verifyZ"));
    EXPECT_EQ(env.textOf(*menu, 0), "DELETED");
    EXPECT_TRUE(fs::exists(alone));

    const std::size_t messages = env.messages.size();
    env.tap(*menu, ALLEGRO_KEY_ENTER);
    env.tap(*menu, ALLEGRO_KEY_DELETE);
    EXPECT_EQ(env.messages.size(), messages) << "a deleted entry does nothing";
    EXPECT_TRUE(env.games.empty());

    env.select(*menu, "2 - ");
    env.tap(*menu, ALLEGRO_KEY_DELETE);
    EXPECT_FALSE(fs::exists(alone)) << "a replay without companions";
}

TEST_F(ReplayList, AFailedDeletionIsShownAndTheEntryKept)
{
    const fs::path path = folder() / "5.1.1.2.replay";
    writeFile(path, "x");
    auto menu = list();
    const std::string label = env.textOf(*menu, 0);
    // Replaced, after listing, by a folder that is not empty.
    fs::remove(path);
    fs::create_directories(path / "inside");

    LogCapture log;
    env.answers = {true, true};
    env.tap(*menu, ALLEGRO_KEY_DELETE);
    ASSERT_EQ(env.messages.size(), 2u);
    Texts error = env.messages[1].lines;
    ASSERT_EQ(error.size(), 4u);
    error[2] = "(the system's reason)";
    EXPECT_EQ(error, (Texts{"Error:", "Could not delete " + path.string(), "(the system's reason)",
                            "Press ENTER to exit"}));
    EXPECT_EQ(env.textOf(*menu, 0), label);
    EXPECT_TRUE(anyLineStartsWith(log.lines(), "Could not delete " + path.string()));

    fs::remove_all(path);
    env.answers = {true};
    env.tap(*menu, ALLEGRO_KEY_DELETE);
    EXPECT_EQ(env.textOf(*menu, 0), "DELETED");
}

// Newest first, fast and without results, until one is quit.
TEST_F(ReplayList, TestAllReplaysComesFirstPlaysEveryReadableReplayAndLogsTheTime)
{
    EXPECT_EQ(env.texts(*list()), Texts{"Back"});
    showReplayTestOptions = true;
    EXPECT_EQ(env.texts(*list()), (Texts{"Test all replays", "Back"}));
    for (const fs::path& path : {replay(1, 0, 1), replay(3, 5, 3), replay(4, 1, 4)})
        companions(path);
    futureReplay(2, 2);
    auto menu = list();

    LogCapture log;
    env.tap(*menu, ALLEGRO_KEY_ENTER);
    ASSERT_EQ(env.games.size(), 3u);
    for (auto [game, number] : {std::pair{0, "4"}, {1, "3"}, {2, "1"}})
        EXPECT_EQ(env.games[std::size_t(game)].path, (folder() / (number + std::string(".1.1.2.replay"))).string());
    EXPECT_TRUE(env.games[0].fast);
    EXPECT_TRUE(env.games[0].skipResults);
    EXPECT_TRUE(env.messages.empty()) << "replays with errors are passed over silently";
    EXPECT_TRUE(anyLineStartsWith(log.lines(), "Test all replays: "));
    EXPECT_TRUE(anyLineStartsWith(log.lines(), "Replays tested: 3, failed: 0, played unchecked: 0"));

    // Every replay plays, but one had nothing to be checked against: the test
    // says so at its end.
    for (const char* suffix : {".verify", ".verifyZ"})
        fs::remove(folder() / (std::string("3.1.1.2.replay") + suffix));
    env.games.clear();
    env.tap(*menu, ALLEGRO_KEY_ENTER);
    EXPECT_EQ(env.games.size(), 3u);
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0].lines,
              (Texts{"1 of 3 replays played unchecked (no verify text)", "Press ENTER to exit"}));
    EXPECT_TRUE(anyLineStartsWith(log.lines(), "Replays tested: 3, failed: 0, played unchecked: 1"));

    env.games.clear();
    env.gameResults = {false, true};
    env.tap(*menu, ALLEGRO_KEY_ENTER);
    EXPECT_EQ(env.games.size(), 2u) << "a quit replay stops the test";
}

// A damaged or incomplete replay is shown as an error and the list stays; in
// "Test all replays" it counts as failed, the test goes on, and the failures
// are shown at the end, with the replays that had no verify text to be
// checked against.
TEST_F(ReplayList, AReplayThatCannotBePlayedIsShownAndTheListGoesOn)
{
    showReplayTestOptions = true;
    replay(1, 0, 1);
    companions(replay(4, 0, 4));
    const fs::path cut = replay(2, 5, 2);
    const fs::path damaged = replay(3, 1, 3);
    env.gameErrors[cut.string()] = "Replay incomplete: no end byte after frame 40";
    env.gameErrors[damaged.string()] = "Invalid replay: grid cut short at byte 300";
    auto menu = list();

    LogCapture log;
    env.tap(*menu, ALLEGRO_KEY_ENTER);
    EXPECT_EQ(env.games.size(), 4u);
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0].lines, (Texts{"2 of 4 replays failed:", "3: Invalid replay: grid cut short at byte 300",
                                            "2: Replay incomplete: no end byte after frame 40",
                                            "1 of 4 replays played unchecked (no verify text)",
                                            "Press ENTER to exit"}));
    EXPECT_TRUE(anyLineStartsWith(log.lines(), "Replays tested: 4, failed: 2, played unchecked: 1"));

    env.messages.clear();
    env.games.clear();
    env.select(*menu, "2 - ");
    env.tap(*menu, ALLEGRO_KEY_ENTER);
    ASSERT_EQ(env.games.size(), 1u);
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0].lines,
              (Texts{"Error:", "Replay incomplete: no end byte after frame 40", "Press ENTER to exit"}));
    EXPECT_EQ(env.messages[0].key, ALLEGRO_KEY_ENTER);
}

// Played for real, a replay deleted after the list was made, one holding an
// auction of no powerup, or one whose frame record fails its check, is shown
// as an error and the list stays; "Test all replays" counts the damaged ones
// and goes on to the next.
TEST_F(ReplayList, RealReplaysThatCannotBePlayedAreShownAndTheListGoesOn)
{
    const SessionScreens savedScreens = sessionScreens;
    sessionScreens = defaultSessionScreens();
    menuDialogs.playGame = [](std::shared_ptr<Music>&, std::string path, ReplayTestOptions options) {
        return play_the_game(false, std::move(path), options);
    };
    // A stopped Classic round of two players, with auctions.
    resetRoundState();
    gameOptions = GameOptions{};
    gameOptions.quickStartPlayers = 1;
    gameOptions.auctions = 1;
    advanceLimit = 30;
    play_the_game(true, "", {true, true});
    advanceLimit = 0;
    const fs::path intact = folder() / "0.1.1.2.replay";
    const std::string bytes = readFile(intact);
    const std::string verifyZ = readFile(intact.string() + ".verifyZ");
    ASSERT_FALSE(verifyZ.empty());
    stamp(intact, 1);

    // Player 0 has coins to bid, so the first frame reads an auction.
    std::string auction = bytes;
    auction[auction.find("***") - 2 * 28 + 24] = 5;
    const std::size_t firstFrame = auction.find("ENDPP") + 5;
    auction.insert(firstFrame, "A\x7f");
    auto copy = [&](int number, const std::string& replay, int minute) {
        const fs::path path = folder() / (std::to_string(number) + ".1.1.2.replay");
        writeFile(path, replay);
        writeFile(path.string() + ".verifyZ", verifyZ);
        stamp(path, minute);
        return path;
    };
    const fs::path damaged = copy(1, auction, 2);
    const fs::path deleted = copy(2, bytes, 3);
    // A frame whose player byte names another player.
    std::string otherPlayer = bytes;
    otherPlayer[firstFrame] = 2;
    copy(3, otherPlayer, 4);
    showReplayTestOptions = true;
    auto menu = list();
    // The entries come into view, as the list's first frame shows them; the
    // replay then goes.
    env.texts(*menu);
    fs::remove(deleted);
    fs::remove(deleted.string() + ".verifyZ");

    const std::string auctionError =
        "Invalid replay: auction powerup 127 at byte " + std::to_string(firstFrame + 2);
    const std::string checkFailed = "Assertion failed: 'dummyCurPlayer == num' at line 373";
    const std::string readTo = "replayInput pos " + std::to_string(firstFrame + 1);
    env.select(*menu, "2 - ");
    env.tap(*menu, ALLEGRO_KEY_ENTER);
    env.select(*menu, "1 - ");
    env.tap(*menu, ALLEGRO_KEY_ENTER);
    env.select(*menu, "3 - ");
    env.tap(*menu, ALLEGRO_KEY_ENTER);
    ASSERT_EQ(env.messages.size(), 3u);
    EXPECT_EQ(env.messages[0].lines, (Texts{"Error:", "Replay cannot be opened: " + deleted.string() + ": it does not exist",
                                            "Press ENTER to exit"}));
    EXPECT_EQ(env.messages[1].lines, (Texts{"Error:", auctionError, "Press ENTER to exit"}));
    EXPECT_EQ(env.messages[2].lines, (Texts{"Error:", checkFailed, readTo, "Press ENTER to exit"}));
    EXPECT_EQ(env.texts(*menu).size(), 6u) << "the list stays";

    LogCapture log;
    env.messages.clear();
    env.select(*menu, "Test all replays");
    env.tap(*menu, ALLEGRO_KEY_ENTER);
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0].lines, (Texts{"2 of 3 replays failed:", "3: " + checkFailed + " " + readTo,
                                            "1: " + auctionError, "Press ENTER to exit"}));
    EXPECT_TRUE(anyLineStartsWith(log.lines(), "Replays tested: 3, failed: 2, played unchecked: 0"));
    sessionScreens = savedScreens;
}

// A replays folder that cannot be made, or cannot be read, leaves the list
// with one line that says why, and "Test all replays" says the same; nothing
// ends the program.
TEST_F(ReplayList, AFolderThatCannotBeMadeOrReadIsOneLineThatSaysWhy)
{
    showReplayTestOptions = true;
    const fs::path replays = env.home.dataFolder() / "replays";
    writeFile(replays, "in the way");
    const std::string unmade = "No replays: the folder " + replays.string() + " cannot be used: File exists";
    auto menu = list();
    EXPECT_EQ(env.texts(*menu), (Texts{"Test all replays", unmade, "Back"}));
    env.choose(*menu, "Test all replays");
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0].lines, (Texts{unmade, "Press ENTER to exit"}));
    env.choose(*menu, "Back");
    EXPECT_TRUE(env.context.backRequested);

    fs::remove(replays);
    fs::create_directory(replays);
    replay(3, 2, 5);
    fs::permissions(replays, fs::perms::owner_all);
    // The data folder may be entered, the replays folder not read.
    UnprivilegedUser user(env.home.dataFolder(), env.home.folder().path(), false);
    menu = list();
    EXPECT_EQ(env.texts(*menu),
              (Texts{"Test all replays", "No replays: the folder " + replays.string() + " could not be read: Permission denied",
                     "Back"}));
}

}
