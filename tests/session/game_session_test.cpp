#include <gtest/gtest.h>

#include <algorithm>

#include "frame/app_globals.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "game/ai_snakes.h"
#include "game/game.h"
#include "media/player_look.h"
#include "session/game_session.h"
#include "session/replay_error.h"
#include "session/replay_folder.h"
#include "session/session_players.h"
#include "session/session_screens.h"
#include "session/verify_text.h"
#include "support/checks.h"
#include "support/file_size_limit.h"
#include "support/log_capture.h"
#include "support/replay_bytes.h"
#include "support/temp_folder.h"
#include "session_fixture.h"

namespace fs = std::filesystem;

namespace {

TEST_F(Session, MaxWinsAndAverageFrameRate)
{
    EXPECT_EQ(maxWins({}), 0);
    std::vector<ScoringEntity> results(3);
    results[0].wins = 2;
    results[1].wins = 5;
    results[1].previousWins = 9;
    EXPECT_EQ(maxWins(results), 5);

    framesRendered = 3;
    timerTicks = 0;
    EXPECT_EQ(calcAverageFps(), 0.0f);
    framesRendered = 1;
    timerTicks = 3;
    EXPECT_FLOAT_EQ(calcAverageFps(), 20.0f);
}

TEST_F(Session, QuickStartDealsPlayersIntoTheModesTeams)
{
    gameOptions.gameMode = GameMode::BattleRoyale;
    gameOptions.quickStartPlayers = 3;
    GameSession session(false, "", {});
    ASSERT_TRUE(session.start());
    ASSERT_EQ(player.size(), 4u);
    ASSERT_EQ(teams.size(), 2u);
    EXPECT_EQ(memberNumbers(teams[0]), (std::vector<int>{0, 2}));
    EXPECT_EQ(memberNumbers(teams[1]), (std::vector<int>{1, 3}));
    EXPECT_EQ(player[3]->team, 1);
    session.end();
    EXPECT_TRUE(player.empty());
    EXPECT_EQ(gameOptions.numPlayers, 2);

    gameOptions.gameMode = GameMode::KingOfTheHill;
    for (auto [players, count] : {std::pair{15, 4}, std::pair{6, 2}, std::pair{12, 4}, std::pair{9, 3}}) {
        gameOptions.numPlayers = players;
        EXPECT_EQ(sessionTeamCount(), count) << players;
    }
    gameOptions.gameMode = GameMode::BattleRoyale;
    gameOptions.numPlayers = 60;
    EXPECT_EQ(sessionTeamCount(), 10);   // one team per team colour at most
    gameOptions.numPlayers = 15;
    EXPECT_EQ(sessionTeamCount(), 5);
    gameOptions.gameMode = GameMode::CaptureTheFlag;
    EXPECT_EQ(sessionTeamCount(), 2);

    // Snake hunters all start in team zero.
    gameOptions.gameMode = GameMode::SnakeHunter;
    gameOptions.quickStartPlayers = 2;
    GameSession hunt(false, "", {});
    ASSERT_TRUE(hunt.start());
    ASSERT_EQ(teams.size(), 2u);
    EXPECT_EQ(memberNumbers(teams[0]), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(teams[1].members.empty());
}

// From version 4 on a replay's header gives the players their teams; older
// files hold no teams, and their players keep the looks of their places.
TEST_F(Session, AReplayGivesItsPlayersTheHeadersTeamsFromVersion4On)
{
    TempDataHome home;
    for (int version : {3, 4}) {
        SCOPED_TRACE(version);
        ReplayBytes b;
        b.i32(version).i8(3).i8(19).i8(11);             // players, arena
        b.flag(false).i8(3).i8(9).flag(true).flag(false).flag(false);
        b.i8(16).i32(2160).i8(GameMode::BattleRoyale);   // shrink speed, time before shrinking, mode
        b.i8(13);                                        // proximity radius
        if (version >= 4)
            b.i8(2).i32(0).i32(0);                       // two teams, colours not stored
        b.i8(1).i8(0).i8(1).text("***");                 // each player's team
        const std::string path = home.folder().str() + "/" + std::to_string(version) + ".replay";
        writeFile(path, b.str());
        GameSession session(false, path, {true, true});
        ASSERT_TRUE(session.start());
        ASSERT_EQ(player.size(), 3u);
        if (version >= 4) {
            EXPECT_EQ((std::vector{player[0]->team, player[1]->team, player[2]->team}), (std::vector{1, 0, 1}));
            EXPECT_EQ(memberNumbers(teams.at(1)), (std::vector<int>{0, 2}));
        } else {
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(player[std::size_t(i)]->team, -1);
                EXPECT_TRUE(player[std::size_t(i)]->look == playerLookForIndex(i)) << i;
            }
        }
        session.end();
    }
}

// The first computer snake comes once the preparation time has run out.
TEST_F(Session, ComputerSnakesWaitForThePreparationTime)
{
    gameOptions.gameMode = GameMode::SnakeHunter;
    gameOptions.aiSnakePreparationTime = 2;   // 200 updates
    gameOptions.wallDensity = 0;              // room to come out anywhere
    advanceLimit = 250;
    int firstSnake = -1;
    duringRounds([&] {
        if (firstSnake < 0 && player.size() > 2)
            firstSnake = frameCounter;
    });
    play_the_game(false, "", {true, true});
    EXPECT_EQ(firstSnake, 199);
}

TEST_F(Session, TheAdvanceLimitEndsTheSessionAsQuitAndEverythingIsRestored)
{
    // As the command line's fast forward leaves it: the session ends it.
    fastForward = true;
    gameOptions.updateRate = 144;
    gameOptions.updateRateMultiplier = 2;
    advanceLimit = 100;
    int seenTwoSeconds = 0;
    duringRounds([&] { seenTwoSeconds = twoSecondFrameCount; });
    LogCapture log;
    EXPECT_TRUE(play_the_game(false, "", {true, true}));
    EXPECT_EQ(frameCounter, 100);
    EXPECT_EQ(seenTwoSeconds, 288);
    EXPECT_EQ(twoSecondFrameCount, 120);
    EXPECT_FALSE(fastForward);
    EXPECT_FALSE(gameOptions.resolvedArenaSize.has_value());
    EXPECT_EQ(gameOptions.numPlayers, 2);
    EXPECT_TRUE(player.empty());
    EXPECT_TRUE(logged(log, "Quit") && logged(log, "Game ended") && !logged(log, "Round over"));
}

TEST_F(Session, ARoundWonEndsTheGameWithResultsAndTheLootBoxRoom)
{
    gameOptions.winsNeeded = 1;
    lootboxesEnabled = true;
    duringRounds([] {
        if (frameCounter == 10)
            player[1]->dead = true;
    });
    std::vector<ScoringEntity> shown;
    bool noWinner = true;
    int lootboxRooms = 0;
    sessionScreens.trophyRoom = [&](const std::vector<ScoringEntity>& results, bool none, const std::string&) {
        shown = results;
        noWinner = none;
    };
    sessionScreens.lootboxRoom = [&] { ++lootboxRooms; };
    EXPECT_FALSE(play_the_game(false, "", {}));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].wins, 1);
    EXPECT_EQ(shown[1].wins, 0);
    EXPECT_FALSE(noWinner);
    EXPECT_EQ(lootboxRooms, 1);
    // The next update sees the death; the round ends after the 240-update delay.
    EXPECT_EQ(frameCounter, 12 + 240);
}

TEST_F(Session, LeavingTheJoinScreenEndsTheSessionAtOnce)
{
    gameOptions.quickStartPlayers = 0;
    LogCapture log;
    EXPECT_TRUE(play_the_game(false, "", {}));
    EXPECT_FALSE(logged(log, "Game ended") || logged(log, "New round; randomness 0"));
}

TEST_F(Session, ARecordedRoundLeavesItsReplayWhosePlaybackChecksTheEndOfItsVerifyText)
{
    TempDataHome home;
    gameOptions.winsNeeded = 1;
    // The same death in the recorded round and in its playback.
    duringRounds([] {
        if (frameCounter == 10 && player.size() > 1)
            player[1]->dead = true;
    });
    EXPECT_FALSE(play_the_game(true, "", {}));
    const std::string replay = (fs::path(getReplaysFolder()) / "0.1.1.2.replay").string();
    const std::string bytes = readFile(replay);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.back(), 'w');
    EXPECT_EQ(getAllReplays(false).size(), 1u);
    EXPECT_FALSE(play_the_game(false, replay, {true, true}));

    // The verify text's end is checked once the end byte is read.
    std::string text = decompress(readFile(replay + ".verifyZ"));
    ASSERT_EQ(text.substr(text.size() - 4), "END\n");
    text.replace(text.size() - 4, 3, "FIN\nEND");
    writeFile(replay + ".verifyZ", compress(text, -1));
    EXPECT_EQ(thrownBy([&] { play_the_game(false, replay, {true, true}); }),
              "Assertion failed: 'end == \"END\"' at line 4570\nreplayInput pos " +
                  std::to_string(bytes.size()) + "\n");
}

TEST_F(Session, PlayersThatDoNotFitShowTheErrorAndLeaveNoReplay)
{
    TempDataHome home;
    gameOptions.gameMode = GameMode::KingOfTheHill;
    gameOptions.arenaSize = 1;
    gameOptions.quickStartPlayers = 39;
    advanceLimit = 10;
    std::vector<std::string> message;
    sessionScreens.msgScreen = [&](std::vector<std::string> lines, int, int secondKey) {
        message = lines;
        EXPECT_EQ(secondKey, -1);
        return true;
    };
    EXPECT_TRUE(play_the_game(true, "", {}));
    EXPECT_EQ(message, (std::vector<std::string>{"Error while generating player positions.",
                                                 "Level may be too small for this number of players",
                                                 "Press ENTER or button 1"}));
    EXPECT_TRUE(fs::is_empty(getReplaysFolder()));
    EXPECT_EQ(gameOptions.numPlayers, 2);
    EXPECT_FALSE(gameOptions.resolvedArenaSize.has_value());
}

TEST_F(Session, AFailingReplayStillRestoresTheOptions)
{
    TempDataHome home;
    gameOptions.numPlayers = 5;
    fastForward = false;
    EXPECT_ANY_THROW(play_the_game(false, home.folder().str() + "/missing.replay", {true, true}));
    EXPECT_EQ(gameOptions.numPlayers, 5);
    EXPECT_FALSE(fastForward);
}

// Computer snakes leave with the round's results, after the trophy room and
// before the loot-box room, and Snake Hunter's snake team is emptied with
// them; a round without results leaves them to the end of the session.
TEST_F(Session, ComputerSnakesLeaveWithTheResultsBeforeTheLootBoxRoom)
{
    gameOptions.gameMode = GameMode::SnakeHunter;
    gameOptions.winsNeeded = 1;
    lootboxesEnabled = true;
    duringRounds([] {
        if (frameCounter == 10 && player.size() == 2) {
            auto snake = makeAiSnakePlayer(120, {1, 1}, std::nullopt);
            snake->dead = true;
            player.push_back(snake);
            teams[1].addPlayer(snake);
            player[1]->dead = true;
            currentGame->aiSnakesToSpawn = 0;
        }
    });
    std::vector<std::size_t> seen;
    auto count = [&] {
        seen.push_back(player.size());
        seen.push_back(teams[1].members.size());
    };
    sessionScreens.trophyRoom = [&](const std::vector<ScoringEntity>&, bool, const std::string&) { count(); };
    sessionScreens.lootboxRoom = count;
    {
        GameSession session(false, "", {});
        ASSERT_TRUE(session.start());
        EXPECT_TRUE(session.playRound().roundOver);
        EXPECT_EQ(seen, (std::vector<std::size_t>{3, 1, 2, 0}));
        session.end();
    }
    seen.clear();
    GameSession session(false, "", {true, true});
    ASSERT_TRUE(session.start());
    EXPECT_TRUE(session.playRound().roundOver);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(player.size(), 3u);
    session.end();
}

// A played replay that runs out before its end byte is no whole replay,
// whether it is cut inside its frames or only the end byte of a round that
// ended on its own is missing. A damaged round block is named with its place.
// Both are replay errors, which a list of replays shows and goes on from.
TEST_F(Session, AReplayWithoutItsEndByteIsIncompleteAndADamagedOneIsNamed)
{
    TempDataHome home;
    gameOptions.winsNeeded = 1;
    duringRounds([] {
        if (frameCounter == 10 && player.size() > 1)
            player[1]->dead = true;
    });
    ASSERT_FALSE(play_the_game(true, "", {}));
    const fs::path folder = getReplaysFolder();
    const std::string bytes = readFile(folder / "0.1.1.2.replay");
    const std::string verify = readFile(folder / "0.1.1.2.replay.verifyZ");
    auto copy = [&](int number, const std::string& replay) {
        const std::string path = (folder / (std::to_string(number) + ".1.1.2.replay")).string();
        writeFile(path, replay);
        writeFile(path + ".verifyZ", verify);
        return path;
    };
    auto failure = replayErrorOf;

    LogCapture log;
    EXPECT_EQ(failure(copy(1, bytes.substr(0, bytes.size() - 1))), "Replay incomplete: no end byte after frame 252");
    EXPECT_TRUE(logged(log, "Replay incomplete: no end byte after frame 252"));
    const std::string cut = failure(copy(2, bytes.substr(0, bytes.size() - 101)));
    const std::string prefix = "Replay incomplete: no end byte after frame ";
    ASSERT_EQ(cut.rfind(prefix, 0), 0u) << cut;
    EXPECT_LT(std::stoi(cut.substr(prefix.size())), 252);
    EXPECT_GT(std::stoi(cut.substr(prefix.size())), 10);

    const std::size_t grid = bytes.find("***") + 3 + 21 + 9;
    EXPECT_EQ(failure(copy(3, bytes.substr(0, grid))),
              "Invalid replay: grid cut short at byte " + std::to_string(grid));
    EXPECT_EQ(gameOptions.winsNeeded, 1);
    EXPECT_FALSE(fastForward);

    // The whole replay still plays through its verify text's end.
    EXPECT_FALSE(play_the_game(false, copy(4, bytes), {true, true}));
}

// A recording that cannot be written whole, as on a full disk, is removed with
// its companions so that no part of it can pass as a whole round; the
// players are told once, after the round; an older replay stays as it was.
TEST_F(Session, AReplayThatCouldNotBeWrittenIsRemovedAndThePlayersAreTold)
{
    TempDataHome home;
    const fs::path folder = getReplaysFolder();
    writeFile(folder / "0.1.1.2.replay", "an older round");
    gameOptions.winsNeeded = 1;
    duringRounds([] {
        if (frameCounter == 10)
            player[1]->dead = true;
    });
    std::vector<std::vector<std::string>> messages;
    sessionScreens.msgScreen = [&](std::vector<std::string> lines, int, int) {
        messages.push_back(lines);
        return true;
    };

    LogCapture log;
    bool quit = true;
    {
        // Files may grow only this far: writes past it fail as on a full disk.
        FileSizeLimit limit(300);
        quit = play_the_game(true, "", {});
    }

    EXPECT_FALSE(quit);
    EXPECT_EQ(messages, (std::vector<std::vector<std::string>>{
                            {"The replay of this round could not be saved", "Press ENTER or button 1"}}));
    const std::string recorded = (folder / "1.1.1.2.replay").string();
    EXPECT_TRUE(logged(log, "Error: the replay " + recorded + " could not be written completely"));
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"0.1.1.2.replay"});
    EXPECT_EQ(readFile(folder / "0.1.1.2.replay"), "an older round");
}

}
