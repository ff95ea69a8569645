#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "frame/game_ids.h"
#include "frame/uniform_int.h"
#include "game/round_state.h"
#include "memory_replay.h"
#include "support/log_capture.h"
#include "support/round_fixture.h"

namespace {

namespace P = PowerupType;
using ::testing::Contains;
using Cells = std::vector<Vector2>;

// A 7 x 7 arena (5 x 5 floor) checked every 10 frames: respawning starts below
// 3 blocks, stops at 5, and needs more than 2 free cells. Blocks that come
// back carry Extra Range, the only powerup on offer.
class RespawningWalls : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        makeArena(7, 7);
        gameOptions.resolvedRespawningWalls = {true, 10, 3, 5, 2};
        for (int id = 1; id < P::Count; ++id)
            gameOptions.powerupsDisabled[std::size_t(id)] = id != P::Range;
    }

    void runWallSteps(int n)
    {
        for (int i = 0; i < n; ++i)
            game->updateRespawningWalls();
    }
    Cells pendingCells()
    {
        Cells cells;
        for (const PendingWall& w : game->pendingWalls)
            cells.push_back({w.x, w.y});
        return cells;
    }
    void placeBlocks(int count)
    {
        for (int i = 0; i < count; ++i)
            grid.at(1 + i % 5, 5 - i / 5) = Square::Block;
    }
};

TEST_F(RespawningWalls, BlocksComeBackFarFromThePlayersAndAwayFromTheRing)
{
    addPlayer(0, {1, 1});
    MemoryReplay recorded;
    startGame(recorded.recording());

    // The first check comes an interval into the round.
    runWallSteps(9);
    EXPECT_TRUE(game->pendingWalls.empty());
    runWallSteps(1);
    // (5, 4) is 25 away and one column touches the ring: 18.75 beats (4, 4)
    // at 18 and (5, 5) at 32 with three such columns (13.5).
    ASSERT_EQ(pendingCells(), (Cells{{5, 4}}));
    EXPECT_EQ(game->pendingWalls[0].framesLeft, 120);
    EXPECT_TRUE(game->wallRespawnActive);
    runWallSteps(10);
    EXPECT_EQ(pendingCells(), (Cells{{5, 4}, {4, 4}}));

    // 120 frames after it was chosen the block appears, with its record.
    runWallSteps(109);
    EXPECT_EQ(grid.at(5, 4), Square::Empty);
    EXPECT_EQ(recorded.bytes.str(), "");
    runWallSteps(1);
    EXPECT_EQ(grid.at(5, 4), Square::Block);
    EXPECT_EQ(powerupGrid.at(5, 4), P::Range);
    EXPECT_EQ(recorded.bytes.str(), std::string("B\x02", 2));
    EXPECT_EQ(game->pendingWalls.front().x, 4);
}

TEST_F(RespawningWalls, PlayingTakesThePowerupsFromTheRecordsUnderTheRulesOfTheirVersion)
{
    addPlayer(0, {1, 1});
    MemoryReplay played(std::string("B\x05" "B\x15", 4));
    startGame(played.playing());
    runWallSteps(140);
    EXPECT_EQ(powerupGrid.at(5, 4), P::Timebomb);
    EXPECT_EQ(powerupGrid.at(4, 4), P::UltraBomb);
    EXPECT_EQ(played.readPosition(), 4);

    // Older replays pick the cell with the wall engine.
    player.clear();
    makeArena(7, 7);
    std::mt19937 engine;
    const int x = uniformIntInclusive(engine, 1, 5);
    const int y = uniformIntInclusive(engine, 1, 5);
    MemoryReplay older(std::string("B\x03", 2));
    startGame(older.playing(0x60009));
    runWallSteps(10);
    ASSERT_EQ(pendingCells(), (Cells{{x, y}}));
    runWallSteps(120);
    EXPECT_EQ(grid.at(x, y), Square::Block);
    EXPECT_EQ(powerupGrid.at(x, y), P::Speed);

    // Replays from before respawning walls have none.
    makeArena(7, 7);
    MemoryReplay oldest(std::string("B\x03", 2));
    startGame(oldest.playing(0x60006));
    game->pendingWalls.push_back({3, 3, 1});
    runWallSteps(50);
    EXPECT_EQ(game->pendingWalls.size(), 1u);
    EXPECT_EQ(game->wallRespawnTimer, 10);
    EXPECT_EQ(grid.at(3, 3), Square::Empty);
}

TEST_F(RespawningWalls, StartBelowOneLimitStopAtTheOtherAndWhenTooLittleFloorIsFree)
{
    gameOptions.resolvedRespawningWalls.interval = 1;
    startGame();
    placeBlocks(3);
    runWallSteps(1);
    EXPECT_FALSE(game->wallRespawnActive);
    EXPECT_TRUE(game->pendingWalls.empty());

    grid.at(1, 5) = Square::Empty;
    runWallSteps(1);
    EXPECT_TRUE(game->wallRespawnActive);
    EXPECT_EQ(game->pendingWalls.size(), 1u);
    // Active, it goes on past the start limit up to the stop limit.
    placeBlocks(4);
    runWallSteps(1);
    EXPECT_TRUE(game->wallRespawnActive);
    EXPECT_EQ(game->pendingWalls.size(), 2u);
    placeBlocks(5);
    runWallSteps(1);
    EXPECT_FALSE(game->wallRespawnActive);
    EXPECT_EQ(game->pendingWalls.size(), 2u);
    grid.at(5, 5) = Square::Empty;
    runWallSteps(1);
    EXPECT_FALSE(game->wallRespawnActive);
    EXPECT_EQ(game->pendingWalls.size(), 2u);

    // Two free cells; the rest is wall of kind 1, which counts as neither.
    makeArena({"#######", "#WWWWW#", "#WWWWW#", "#WW..W#", "#WWWWW#", "#WWWWW#", "#######"});
    startGame();
    game->wallRespawnActive = true;
    runWallSteps(1);
    EXPECT_FALSE(game->wallRespawnActive);
    EXPECT_TRUE(game->pendingWalls.empty());
}

TEST_F(RespawningWalls, WhenNoCellWillDoTheFirstOneFailsWithAMessage)
{
    makeArena(5, 5);
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 3; ++y)
            powerupGrid.at(x, y) = P::Bomb;
    startGame();
    LogCapture log;
    runWallSteps(10);
    EXPECT_TRUE(game->pendingWalls.empty());
    EXPECT_THAT(log.lines(), Contains("Couldn't respawn wall at {1,1}"));
}

TEST_F(RespawningWalls, ABlockMayOnlyAppearOnEmptyUnoccupiedFloor)
{
    makeArena({"#######", "#WBT..#", "#.....#", "#######"});
    auto p = addPlayer(0, {4, 2});
    addPlayer(1, {5, 2})->ghost = true;
    addPlayer(2, {3, 2})->dead = true;
    powerupGrid.at(2, 2) = P::Death;
    startGame();
    for (Vector2 cell : Cells{{0, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {2, 2}})
        EXPECT_FALSE(game->canRespawnWallAt(cell)) << cell;
    EXPECT_TRUE(game->canRespawnWallAt({3, 2}));
    // A bomb does not keep a block away.
    bombGrid.at(4, 1).owner = p;
    EXPECT_TRUE(game->canRespawnWallAt({4, 1}));

    // A block whose cell is taken when its time comes is dropped, unrecorded.
    MemoryReplay recorded;
    startGame(recorded.recording());
    game->wallRespawnTimer = 1000;
    game->pendingWalls = {{4, 1, 2}, {5, 1, 5}};
    bombGrid.at(4, 1).clear();
    p->y = 1 * 32;
    runWallSteps(2);
    EXPECT_EQ(grid.at(4, 1), Square::Empty);
    EXPECT_EQ(recorded.bytes.str(), "");
    EXPECT_EQ(pendingCells(), (Cells{{5, 1}}));
}

TEST_F(RespawningWalls, CutEndedOrCorruptReplays)
{
    {
        MemoryReplay played("B");
        startGame(played.playing());
        game->pendingWalls.push_back({3, 3, 1});
        LogCapture log;
        EXPECT_NO_THROW(runFrames(1));
        EXPECT_TRUE(replayEnded);
        EXPECT_EQ(grid.at(3, 3), Square::Empty);
        EXPECT_TRUE(game->pendingWalls.empty());
        EXPECT_THAT(log.lines(), Contains("EOF (read wall)"));
    }
    {
        // No record is read once the replay has ended.
        MemoryReplay played(std::string("B\x02", 2));
        startGame(played.playing());
        game->replayEndSeen = true;
        game->pendingWalls.push_back({3, 3, 1});
        runWallSteps(1);
        EXPECT_EQ(played.readPosition(), 0);
        EXPECT_EQ(grid.at(3, 3), Square::Empty);
    }
    const std::pair<std::string, std::string> cases[] = {
        {std::string("A\x02", 2), "Assertion failed: 'c == 'B'' at line 1400\nreplayInput pos 1\n"},
        {std::string("B\x16", 2), "Invalid replay: wall powerup 22"}};
    for (const auto& [bytes, message] : cases) {
        MemoryReplay played(bytes);
        startGame(played.playing());
        game->pendingWalls.push_back({3, 3, 1});
        try {
            runWallSteps(1);
            ADD_FAILURE() << "no error for " << message;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
        EXPECT_EQ(grid.at(3, 3), Square::Empty);
    }
}

}
