#include <array>
#include <tuple>

#include "game/bomb.h"
#include "game/busy_cells.h"
#include "support/round_fixture.h"

namespace {

class Movement : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        makeArena({"#########",
                   "#.......#",
                   "#..W.B..#",
                   "#.......#",
                   "#########"});
    }

    // A player that stands at pixel (x, y), as in a new game.
    std::shared_ptr<Player> at(int x, int y)
    {
        auto p = addPlayer(int(player.size()), {x / 32, y / 32});
        p->x = x;
        p->y = y;
        return p;
    }
    static void step(Player& p, int dx, int dy, const PackagedReplayData& replay = {})
    {
        bool steered = false;
        p.stepFrame(dx, dy, steered, replay);
    }
    static Vector2 pos(const Player& p) { return {p.x, p.y}; }

    // Runs the bombs' update until the bomb in `cell` is gone: the number of
    // passes that took, or 0 when it was still there after `limit` passes.
    int passesUntilGone(Vector2 cell, int limit = 200)
    {
        for (int pass = 1; pass <= limit; ++pass) {
            game->updateBombs();
            if (!bombGrid.at(cell).isLive())
                return pass;
        }
        return 0;
    }
};

TEST_F(Movement, StepSizesScaleWithTheRateAndNeverFallBelowOne)
{
    auto p = at(32, 32);
    p->speed = 3;
    gameOptions.updateRateMultiplier = 2;
    EXPECT_EQ(p->stepSize({}), 1);
    gameOptions.updateRateMultiplier = 1;
    p->slowTimer = 5;
    EXPECT_EQ(p->stepSize({}), 1);
    p->speed = 6;
    EXPECT_EQ(p->stepSize({}), 3);
    p->held = true;
    EXPECT_EQ(p->stepSize({}), 1);
    // A slowed snake crawls, except in replays from before that rule.
    p->held = false;
    p->snakeLength = 4;
    EXPECT_EQ(p->stepSize({}), 1);
    EXPECT_EQ(p->stepSize(playingReplay(0x5f00f)), 3);
    p->slowTimer = 0;
    p->isAI = true;
    p->minorStunTimer = 10;
    EXPECT_EQ(p->stepSize({}), 2);
    gameOptions.aiSnakeStun = false;
    EXPECT_EQ(p->stepSize({}), 6);
}

TEST_F(Movement, PlayersWalkUntilWallsAndBlocksStopThem)
{
    auto open = addPlayer(0, {1, 1});
    auto walled = addPlayer(1, {1, 2});
    auto blocked = addPlayer(2, {7, 2});
    auto climber = addPlayer(3, {1, 3});
    auto beforeSnake = addPlayer(4, {2, 3});
    // A snake that came in from the left and faces the wall below: it stays,
    // its body trailing back onto cell (5, 3).
    auto snake = addPlayer(5, {6, 3});
    snake->snakeLength = 2;
    snake->facing = Facing::Down;
    for (int x = 160; x <= 192; ++x)
        snake->headTrail.push_back({x, 96});
    controlsOf(beforeSnake).hold(1, 0);
    controlsOf(open).hold(1, 0);
    controlsOf(walled).hold(1, 0);
    controlsOf(blocked).hold(-1, 0);
    controlsOf(climber).hold(0, -1);
    startGame();
    runFrames(200);
    EXPECT_EQ((std::array{open->x, walled->x, blocked->x, climber->y, beforeSnake->x, snake->x}),
              (std::array{7 * 32, 2 * 32, 6 * 32, 32, 4 * 32, 6 * 32}));
    EXPECT_EQ(climber->facing, Facing::Up);
    EXPECT_EQ(blocked->facing, Facing::Left);
}

TEST_F(Movement, PlayersSettleOntoTheCellLinesAndSlideRoundCorners)
{
    // Moving along a row pulls the player onto it.
    auto p = at(32, 38);
    step(*p, 1, 0);
    EXPECT_EQ(pos(*p), Vector2(34, 36));
    // Partly in a wall's cell and pushing against it: back to its own cell.
    auto q = at(74, 64);
    for (int i = 0; i < 6; ++i)
        step(*q, 1, 0);
    EXPECT_EQ(pos(*q), Vector2(64, 64));

    // Six pixels above its row, against the wall at (3, 2): it slides up
    // until the row above opens, then goes on right.
    auto r = at(64, 58);
    for (int i = 0; i < 6; ++i)
        step(*r, 1, 0);
    EXPECT_EQ(pos(*r), Vector2(64, 46));
    step(*r, 1, 0);
    EXPECT_EQ(pos(*r), Vector2(66, 44));
    // A closed diagonal cell keeps it where it is.
    grid.at(3, 1) = Square::Block;
    auto s = at(64, 58);
    step(*s, 1, 0);
    EXPECT_EQ(s->y, 58);
}

TEST_F(Movement, StrengthPushesBlocksAndBombsIntoFreeFloor)
{
    auto p = at(128, 64);
    grid.at(5, 2) = 5;   // a worn tough block
    powerupGrid.at(5, 2) = 7;
    step(*p, 1, 0);
    EXPECT_EQ(grid.at(5, 2), 5);   // no strength, no push
    p->strength = true;
    step(*p, 1, 0);
    EXPECT_EQ(p->x, 128);
    EXPECT_EQ(grid.at(6, 2), 5);
    EXPECT_EQ(powerupGrid.at(6, 2), 7);
    EXPECT_EQ(grid.at(5, 2), Square::Empty);
    EXPECT_EQ(powerupGrid.at(5, 2), 0);
    // Onto a powerup nothing moves.
    powerupGrid.at(7, 2) = 1;
    p->x = 160;
    step(*p, 1, 0);
    EXPECT_EQ(grid.at(6, 2), 5);

    auto owner = at(32, 96);
    Bomb& bomb = bombGrid.at(3, 3);
    bomb.owner = owner;
    bomb.fuse = 33;
    bomb.state = BombState::RemoteControl;
    auto pusher = at(64, 96);
    pusher->strength = true;
    step(*pusher, 1, 0);
    EXPECT_TRUE(bombGrid.at(3, 3).isLive());   // a steered bomb stays
    bombGrid.at(3, 3).state = BombState::Detonator;
    step(*pusher, 1, 0);
    EXPECT_FALSE(bombGrid.at(3, 3).isLive());
    EXPECT_EQ(bombGrid.at(4, 3).liveOwner(), owner);
    EXPECT_EQ(bombGrid.at(4, 3).fuse, 33);
    EXPECT_EQ(bombGrid.at(4, 3).state, BombState::Detonator);
}

// A bomb moved by a push or by steering goes on burning where it comes to
// rest: its fuse runs out there and it goes off in that cell. The update runs
// once before the move, so the cells that start out busy with the arena's
// set-up have been let go.
TEST_F(Movement, PushedAndSteeredBombsGoOffWhereTheyComeToRest)
{
    auto pusher = at(64, 96);
    pusher->strength = true;
    pusher->bombsOut = 1;
    auto remote = at(32, 32);
    remote->bombType = BombType::RemoteControl;
    remote->specialBombOut = true;
    remote->remoteBombCell = {5, 1};
    startGame();
    for (auto [cell, owner, fuse, state] :
         {std::tuple{Vector2{3, 3}, pusher, 5, BombState::Normal},
          std::tuple{Vector2{5, 1}, remote, 3, BombState::RemoteControl}}) {
        Bomb& bomb = bombGrid.at(cell);
        bomb.owner = owner;
        bomb.fuse = fuse;
        bomb.state = state;
        busyCells.mark(cell);
    }
    game->updateBombs();
    ASSERT_EQ(bombGrid.at(3, 3).fuse, 4);
    ASSERT_EQ(bombGrid.at(5, 1).fuse, 3);   // a waiting remote bomb does not burn

    // Pushed from (3, 3) to (4, 3) with 4 left: off in the fifth pass.
    step(*pusher, 1, 0);
    ASSERT_TRUE(bombGrid.at(4, 3).isLive());
    EXPECT_EQ(passesUntilGone({4, 3}), 5);
    EXPECT_TRUE(game->hasFlameAt({4, 3}));
    EXPECT_EQ(pusher->bombsOut, 0);

    // Steered from (5, 1) to (6, 1), then let go: it burns down from the
    // short fuse of a step and goes off there.
    step(*remote, 1, 0);
    ASSERT_EQ(remote->remoteBombCell, (Vector2{6, 1}));
    game->updateBombs();
    EXPECT_EQ(bombGrid.at(6, 1).fuse, 3);   // still waiting
    remote->specialBombOut = false;
    remote->releaseBombs(false);
    EXPECT_EQ(passesUntilGone({6, 1}), 4);
    EXPECT_TRUE(game->hasFlameAt({6, 1}));
}

TEST_F(Movement, APushedBlockHitsWhoeverStandsWhereItLands)
{
    auto p = at(128, 64);
    p->strength = true;
    auto victim = at(192, 64);
    step(*p, 1, 0, playingReplay(0x6000c));
    EXPECT_FALSE(victim->dead);
    EXPECT_EQ(grid.at(6, 2), Square::Block);

    grid.at(6, 2) = Square::Empty;
    grid.at(5, 2) = Square::Block;
    step(*p, 1, 0);
    EXPECT_TRUE(victim->dead);

    // A computer snake whose body lies where the block lands: the hits end it.
    auto snake = at(192, 64);
    snake->isAI = true;
    snake->snakeLength = 4;
    snake->snakeBody.assign(4, {192, 64, 0});
    grid.at(6, 2) = Square::Empty;
    grid.at(5, 2) = Square::Block;
    step(*p, 1, 0);
    EXPECT_TRUE(snake->dead);
}

TEST_F(Movement, GhostsPassWallsButNotTheOuterOnesAndHeldPlayersCrawl)
{
    auto ghost = at(64, 64);
    ghost->ghost = true;
    step(*ghost, 1, 0);
    EXPECT_EQ(ghost->x, 66);
    auto other = at(32, 32);
    other->ghost = true;
    step(*other, 0, -1);
    EXPECT_EQ(other->y, 32);

    // Held players crawl and turn only sideways.
    auto p = at(32, 96);
    p->speed = 4;
    p->held = true;
    p->facing = Facing::Left;
    step(*p, 0, -1);
    EXPECT_EQ(p->y, 95);
    EXPECT_EQ(p->facing, Facing::Left);
    step(*p, 1, 0);
    EXPECT_EQ(p->facing, Facing::Right);
}

TEST_F(Movement, ARemoteBombTakesTheInputOneCellPerTenUpdates)
{
    auto p = at(32, 32);
    p->bombType = BombType::RemoteControl;
    p->specialBombOut = true;
    p->remoteBombCell = {2, 3};
    bombGrid.at(2, 3).owner = p;
    bombGrid.at(2, 3).state = BombState::RemoteControl;
    bool steered = false;
    p->stepFrame(1, 0, steered, {});
    EXPECT_TRUE(steered);
    EXPECT_EQ(p->x, 32);
    EXPECT_FALSE(bombGrid.at(2, 3).isLive());
    EXPECT_EQ(bombGrid.at(3, 3).liveOwner(), p);
    EXPECT_EQ(bombGrid.at(3, 3).fuse, 3);
    EXPECT_EQ(p->remoteBombStepTimer, 10);
    // A second step in the same update does not count.
    p->stepFrame(1, 0, steered, {});
    for (int i = 0; i < 9; ++i)
        step(*p, 1, 0);
    EXPECT_EQ(p->remoteBombCell, (Vector2{3, 3}));
    gameOptions.remoteControlDelay = false;
    p->fastIgnition = true;
    step(*p, 1, 0);
    EXPECT_EQ(p->remoteBombCell, (Vector2{4, 3}));
    EXPECT_EQ(bombGrid.at(4, 3).fuse, 40);
    // Nothing moves onto a powerup.
    powerupGrid.at(4, 2) = 3;
    p->remoteBombStepTimer = 0;
    step(*p, 0, -1);
    EXPECT_EQ(p->remoteBombCell, (Vector2{4, 3}));
}

}
