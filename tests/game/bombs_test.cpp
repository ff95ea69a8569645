#include <array>

#include "rules_scenario.h"

namespace {

using Bombs = RulesScenario;
using Set = std::set<std::pair<int, int>>;

TEST_F(Bombs, ThreeWavesPerDirectionFollowOneCellApartAndScaleWithTheMultiplier)
{
    for (int mult : {1, 2}) {
        SCOPED_TRACE(mult);
        resetRoundState();
        makeArena(7, 7);
        gameOptions.updateRateMultiplier = mult;
        startGame();
        auto owner = makeOwner(2);
        owner->bombsOut = 2;
        placeBomb({3, 3}, owner, 0);
        placeBomb({1, 5}, owner, 2);   // a fuse of f goes off in pass f + 1

        runFrames(1);
        EXPECT_EQ(owner->bombsOut, 1);
        ASSERT_EQ(game->flames.size(), 12u);
        EXPECT_EQ(game->nextFlameGroup, 4);
        // Left, up, down, right: the head next to the bomb, the others on it.
        const Vector2 steps[] = {{-1, 0}, {0, -1}, {0, 1}, {1, 0}};
        for (std::size_t i = 0; i < 12; ++i) {
            const Flame& f = game->flames[i];
            const Vector2 step = steps[i / 3];
            EXPECT_EQ(f.group, int(i / 3));
            EXPECT_EQ(f.wave, int(i % 3) + 1);
            EXPECT_EQ(Vector2(f.dx, f.dy), step);
            EXPECT_EQ(Vector2(f.x, f.y), i % 3 == 0 ? Vector2(3, 3) + step : Vector2(3, 3));
            EXPECT_EQ(f.timer, (f.wave == 3 ? 8 : 4) * mult - 1);
        }
        runFrames(1);
        EXPECT_TRUE(bombGrid.at(1, 5).isLive());
        runFrames(1);
        EXPECT_FALSE(bombGrid.at(1, 5).isLive());
        EXPECT_EQ(owner->bombsOut, 0);

        // The bomb's cell burns until the third wave leaves it; the last wave
        // passes the range after 16 frames (times the multiplier).
        runFrames(8 * mult - 4);
        EXPECT_TRUE(game->hasFlameAt({3, 3}));
        runFrames(1);
        EXPECT_FALSE(game->hasFlameAt({3, 3}));
        runFrames(8 * mult - 1);
        EXPECT_GT(flamesOfGroup(0), 0);
        runFrames(1);
        EXPECT_EQ(flamesOfGroup(0), 0);
    }
}

TEST_F(Bombs, FlamesReachTheRangeAndStopAtWallsAndBlocksWearingOneBlockPerDirection)
{
    makeArena({"##########",
               "#...T....#",
               "#........#",
               "#.BB..W..#",
               "#........#",
               "##########"});
    startGame();
    placeBomb({4, 3}, makeOwner(3), 0);
    runFrames(1);
    // The head next to the bomb breaks the block in the explosion's frame.
    EXPECT_EQ(grid.at(3, 3), Square::Crumbling);
    EXPECT_EQ(flameCellsOver(20), (Set{{4, 3}, {5, 3}, {4, 2}, {4, 4}}));
    EXPECT_EQ(grid.at(2, 3), Square::Block);
    EXPECT_EQ(grid.at(6, 3), Square::Wall);
    EXPECT_EQ(grid.at(4, 1), Square::ToughBlock + 1);
    EXPECT_EQ(grid.at(4, 5), Square::OuterWall);
    EXPECT_EQ(grid.at(3, 3), Square::Empty);
}

TEST_F(Bombs, BlocksCrumbleForTwentyFramesToughOnesWearAndCrumblingOnesStopFlames)
{
    makeArena(11, 5);
    startGame();
    grid.at(2, 2) = Square::ToughBlock + 1;
    grid.at(4, 2) = Square::ToughBlockLast;
    grid.at(3, 1) = 45;
    grid.at(3, 3) = 22;
    placeBomb({3, 2}, makeOwner(2), 0);
    // A block already crumbling starts again and keeps the flame out.
    grid.at(8, 2) = 15;
    powerupGrid.at(7, 2) = 6;
    placeBomb({9, 2}, makeOwner(2), 0);
    runFrames(1);
    EXPECT_EQ(grid.at(2, 2), Square::ToughBlockLast);
    EXPECT_EQ(grid.at(4, 2), Square::ToughCrumbling);
    EXPECT_EQ(grid.at(3, 1), Square::ToughCrumbling);
    EXPECT_EQ(grid.at(3, 3), Square::Crumbling);
    EXPECT_EQ(grid.at(8, 2), Square::Crumbling);
    EXPECT_FALSE(flameCellsOver(19).count({7, 2}));
    EXPECT_EQ(grid.at(3, 3), 29);
    runFrames(1);
    EXPECT_EQ(grid.at(3, 3), Square::Empty);
    EXPECT_EQ(grid.at(4, 2), Square::Empty);
    EXPECT_EQ(grid.at(2, 2), Square::ToughBlockLast);
    EXPECT_EQ(powerupGrid.at(7, 2), 6);
}

TEST_F(Bombs, FlamesBurnPowerupsInRangeAndUncoverThoseUnderBlocks)
{
    makeArena(9, 5);
    grid.at(2, 2) = Square::Block;
    powerupGrid.at(2, 2) = 7;   // under the block
    powerupGrid.at(1, 2) = 5;   // behind it
    powerupGrid.at(5, 2) = 3;   // in range
    powerupGrid.at(6, 2) = 4;   // out of range
    powerupGrid.at(3, 1) = 8;   // in range
    startGame();
    placeBomb({3, 2}, makeOwner(2), 0);
    runFrames(30);
    EXPECT_EQ(grid.at(2, 2), Square::Empty);
    EXPECT_EQ((std::array{powerupGrid.at(2, 2), powerupGrid.at(1, 2), powerupGrid.at(5, 2),
                          powerupGrid.at(6, 2), powerupGrid.at(3, 1)}),
              (std::array{7, 5, 0, 4, 0}));
}

TEST_F(Bombs, AnAnnihilatorPassesBlocksWearingThemAndSparesPowerupsButNotWalls)
{
    makeArena({"#########",
               "#.......#",
               "#.B...W.#",
               "#.......#",
               "#########"});
    powerupGrid.at(1, 2) = 5;
    powerupGrid.at(4, 2) = 3;
    startGame();
    auto owner = makeOwner(3);
    owner->annihilator = true;
    placeBomb({3, 2}, owner, 0);
    runFrames(1);
    EXPECT_EQ(grid.at(2, 2), Square::Crumbling);
    const Set seen = flameCellsOver(20);
    EXPECT_TRUE(seen.count({1, 2}) && seen.count({5, 2}));
    EXPECT_FALSE(seen.count({6, 2}) || seen.count({0, 2}));
    EXPECT_EQ(powerupGrid.at(1, 2), 5);
    EXPECT_EQ(powerupGrid.at(4, 2), 3);
    EXPECT_EQ(grid.at(6, 2), Square::Wall);
    // Only the head wears blocks: the waves behind it let the block crumble on.
    EXPECT_EQ(grid.at(2, 2), Square::Empty);
}

TEST_F(Bombs, AnUltraBombAlsoSendsFlamesAlongTheDiagonals)
{
    makeArena(7, 7);
    startGame();
    auto owner = makeOwner(2);
    owner->ultraBomb = true;
    placeBomb({3, 3}, owner, 0);
    runFrames(1);
    EXPECT_EQ(game->nextFlameGroup, 8);
    EXPECT_EQ(game->flames.size(), 24u);
    EXPECT_EQ(Vector2(game->flames[0].x, game->flames[0].y), Vector2(2, 2));
    const Set seen = flameCellsOver(16);
    for (auto corner : {std::pair{1, 1}, {5, 5}, {1, 5}, {5, 1}, {1, 3}, {5, 3}})
        EXPECT_TRUE(seen.count(corner)) << corner.first << "," << corner.second;
}

TEST_F(Bombs, HeadsOutsideTheInteriorAreNotLaidAndFlamesLeavingTheArenaTakeTheirDirection)
{
    makeArena(std::vector<std::string>(5, "....."));   // no border walls
    startGame();
    placeBomb({1, 1}, makeOwner(3), 0);
    runFrames(1);
    EXPECT_EQ(game->nextFlameGroup, 4);
    EXPECT_EQ(game->flames.size(), 10u);
    EXPECT_FALSE(game->hasFlameAt({0, 1}));
    runFrames(3);
    EXPECT_TRUE(game->hasFlameAt({0, 1}));   // the second wave
    // When the second wave leaves the arena the third goes with it.
    runFrames(4);
    EXPECT_EQ(flamesOfGroup(0), 0);
    EXPECT_EQ(flamesOfGroup(3), 3);
}

TEST_F(Bombs, AChainReactionSetsTheFuseToThreeFramesTimesTheMultiplier)
{
    for (int mult : {1, 2}) {
        SCOPED_TRACE(mult);
        resetRoundState();
        makeArena(9, 5);
        gameOptions.updateRateMultiplier = mult;
        startGame();
        placeBomb({2, 2}, makeOwner(2), 0);
        // A remote-control bomb waiting for its owner is set off too.
        auto second = makeOwner(2);
        second->specialBombOut = true;
        placeBomb({4, 2}, second, 90, BombState::RemoteControl);

        // The head reaches the second bomb at its first advance.
        runFrames(4 * mult - 1);
        EXPECT_EQ(flamesOfGroup(3), 3);
        runFrames(1);
        EXPECT_EQ(flamesOfGroup(3), 0);   // the whole direction went into the bomb
        EXPECT_EQ(bombGrid.at(4, 2).fuse, 3 * mult);
        EXPECT_EQ(bombGrid.at(4, 2).state, BombState::Normal);
        EXPECT_FALSE(second->specialBombOut);
        runFrames(3 * mult);
        EXPECT_TRUE(bombGrid.at(4, 2).isLive());
        runFrames(1);
        EXPECT_FALSE(bombGrid.at(4, 2).isLive());
    }
}

TEST_F(Bombs, RemoteAndDetonatorBombsWaitForTheirOwnerAndDoNotCountAsLaid)
{
    makeArena(9, 5);
    startGame();
    auto owner = makeOwner(2);
    owner->specialBombOut = true;
    placeBomb({1, 1}, owner, 3, BombState::RemoteControl);
    placeBomb({5, 3}, owner, 0, BombState::Detonator);
    placeBomb({7, 1}, owner, 10);   // the owner's normal bombs burn meanwhile
    owner->bombsOut = 1;
    runFrames(50);
    EXPECT_FALSE(bombGrid.at(7, 1).isLive());
    EXPECT_EQ(bombGrid.at(1, 1).fuse, 3);
    EXPECT_EQ(bombGrid.at(5, 3).fuse, 0);

    owner->specialBombOut = false;
    runFrames(1);
    EXPECT_FALSE(bombGrid.at(5, 3).isLive());
    EXPECT_EQ(owner->bombsOut, -1);
    runFrames(2);
    EXPECT_TRUE(bombGrid.at(1, 1).isLive());
    runFrames(1);
    EXPECT_FALSE(bombGrid.at(1, 1).isLive());

    // A wall of the shrinking arena sets off the bomb beneath it.
    owner->specialBombOut = true;
    placeBomb({3, 2}, owner, 90, BombState::RemoteControl);
    grid.at(3, 2) = Square::OuterWall;
    runFrames(1);
    EXPECT_FALSE(bombGrid.at(3, 2).isLive());
    EXPECT_FALSE(owner->specialBombOut);
}

TEST_F(Bombs, AMovingBombStepsEveryThreeFramesTimesTheMultiplierWithoutBurning)
{
    for (int mult : {1, 2}) {
        SCOPED_TRACE(mult);
        resetRoundState();
        makeArena(10, 5);
        gameOptions.updateRateMultiplier = mult;
        startGame();
        placeBomb({2, 2}, makeOwner(2), 90, BombState::Moving).direction = Facing::Right;
        placeBomb({7, 3}, makeOwner(2), 90, BombState::Moving).direction = Facing::Up;
        runFrames(3 * mult - 1);
        EXPECT_TRUE(bombGrid.at(2, 2).isLive());
        runFrames(1);
        EXPECT_FALSE(bombGrid.at(2, 2).isLive());
        EXPECT_TRUE(bombGrid.at(7, 2).isLive());
        const Bomb& moved = bombGrid.at(3, 2);
        EXPECT_EQ(moved.fuse, 90);
        EXPECT_EQ(moved.moveCounter, 0);
        EXPECT_EQ(moved.state, BombState::Moving);
        runFrames(3 * mult);
        EXPECT_TRUE(bombGrid.at(4, 2).isLive());
    }
}

TEST_F(Bombs, AMovingBombStopsInFrontOfAnythingButItsOwnerAndBurnsOn)
{
    enum Obstacle { PowerupAhead, BlockAhead, BombAhead, PlayerAhead, SnakeAhead, OwnerAhead };
    for (int obstacle : {PowerupAhead, BlockAhead, BombAhead, PlayerAhead, SnakeAhead, OwnerAhead}) {
        SCOPED_TRACE(obstacle);
        resetRoundState();
        makeArena(10, 5);
        auto owner = addPlayer(0, {8, 1});
        auto other = addPlayer(1, {8, 3});
        startGame();
        switch (obstacle) {
        case PowerupAhead: powerupGrid.at(4, 2) = 3; break;
        case BlockAhead: grid.at(4, 2) = Square::Block; break;
        case BombAhead: placeBomb({4, 2}, other, 90); break;
        case PlayerAhead: other->x = 4 * 32; other->y = 2 * 32; break;
        case SnakeAhead: makeSnake(other, 4, {{8, 3}, {4, 2}}); break;
        case OwnerAhead: owner->x = 4 * 32; owner->y = 2 * 32; break;
        }
        placeBomb({2, 2}, owner, 5, BombState::Moving).direction = Facing::Right;
        rulesFrames(6);
        if (obstacle == OwnerAhead) {
            EXPECT_TRUE(bombGrid.at(4, 2).isLive());
            continue;
        }
        const Bomb& stopped = bombGrid.at(3, 2);
        ASSERT_TRUE(stopped.isLive());
        EXPECT_EQ(stopped.state, BombState::Normal);
        EXPECT_EQ(stopped.fuse, 5);
    }
}

TEST_F(Bombs, OlderReplaysLetABombMoveAgainWhenItsScanReachesItInTheSameFrame)
{
    for (int version : {0x5f00e, 0x5f00f}) {
        SCOPED_TRACE(version);
        resetRoundState();
        makeArena(10, 5);
        startGame(replayOfVersion(version));
        placeBomb({2, 2}, makeOwner(2), 90, BombState::Moving).direction = Facing::Right;
        rulesFrames(5);
        EXPECT_TRUE(bombGrid.at(version < 0x5f00f ? 4 : 3, 2).isLive());
    }
}

TEST_F(Bombs, OlderReplaysLayAllWavesOnTheBombWithUnscaledTimers)
{
    gameOptions.updateRateMultiplier = 2;
    makeArena(9, 7);
    startGame(replayOfVersion(0x5f01b));
    placeBomb({4, 3}, makeOwner(2), 0);
    rulesFrames(1);
    ASSERT_EQ(game->flames.size(), 12u);
    const Flame& head = game->flames[0];
    EXPECT_EQ(head.distance, 1);   // advanced at once: its timer was 0
    EXPECT_EQ(head.x, 3);
    EXPECT_EQ(head.timer, 8);
    EXPECT_EQ(game->flames[1].timer, 3);
    EXPECT_EQ(game->flames[2].timer, 7);
    // The second wave follows after four frames whatever the multiplier.
    rulesFrames(3);
    EXPECT_EQ(game->flames[1].distance, 0);
    rulesFrames(1);
    EXPECT_EQ(game->flames[1].distance, 1);
}

TEST_F(Bombs, ABlockedHeadRemovesItsDirectionInOldReplaysAndRetiresItLater)
{
    for (int version : {0x5f019, 0x5f01b, 0x5f01c}) {
        SCOPED_TRACE(version);
        resetRoundState();
        makeArena(9, 5);
        grid.at(2, 2) = Square::Block;
        startGame(replayOfVersion(version));
        placeBomb({3, 2}, makeOwner(2), 0);
        rulesFrames(1);
        EXPECT_EQ(grid.at(2, 2), Square::Crumbling);
        if (version < 0x5f01a) {
            EXPECT_EQ(flamesOfGroup(0), 0);
            continue;
        }
        // The waves behind the head burn where they stand until they advance.
        ASSERT_EQ(flamesOfGroup(0), 2);
        for (const Flame& f : game->flames)
            EXPECT_TRUE(f.group != 0 || f.distance == 999);
        const int secondAdvance = version < 0x5f01c ? 4 : 3;
        rulesFrames(secondAdvance - 1);
        EXPECT_EQ(flamesOfGroup(0), 2);
        rulesFrames(1);
        EXPECT_EQ(flamesOfGroup(0), 1);
        EXPECT_EQ(grid.at(2, 2), Square::Crumbling + secondAdvance);
    }
}

TEST_F(Bombs, BombsAndFlamesOfAPlayerWhoLeftTheGameAreDropped)
{
    makeArena(9, 5);
    auto bystander = addPlayer(0, {5, 2});
    startGame();
    auto leaver = std::make_shared<Player>(9, 0, -1, PlayerLook{}, nullptr);
    leaver->resetStats();
    leaver->range = 3;
    placeBomb({1, 1}, leaver, 0);
    placeBomb({3, 2}, leaver, 5);
    runFrames(1);
    ASSERT_FALSE(game->flames.empty());
    leaver.reset();
    runFrames(1);
    EXPECT_TRUE(game->flames.empty());
    runFrames(20);
    EXPECT_TRUE(game->flames.empty());
    EXPECT_TRUE(bombGrid.at(3, 2).owner.expired());
    EXPECT_FALSE(bystander->dead);
}

}
