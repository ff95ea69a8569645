#include "rules_scenario.h"

namespace {

class Deaths : public RulesScenario {
protected:
    // A flame wave standing on the cell.
    void addFlame(Vector2 cell, const std::shared_ptr<Player>& owner, bool fromLine = false)
    {
        Flame f;
        f.owner = owner;
        f.x = cell.x;
        f.y = cell.y;
        f.timer = 100;
        f.fromLine = fromLine;
        game->flames.push_back(f);
    }

    static void placeAt(const std::shared_ptr<Player>& p, Vector2 cell)
    {
        p->x = cell.x * 32;
        p->y = cell.y * 32;
    }

    static void armShield(const std::shared_ptr<Player>& p) { p->giveShield(); }
    // A hit on an armed shield only starts its countdown.
    static bool shieldWasHit(const std::shared_ptr<Player>& p) { return p->shieldTimer == 120; }
};

TEST_F(Deaths, AFlameHeadReachingAPlayerKillsItAndCreditsTheBombsOwner)
{
    makeArena(9, 5);
    auto owner = addPlayer(0, {7, 1});
    auto victim = addPlayer(1, {4, 2});
    startGame();
    placeBomb({2, 2}, owner, 0);
    runFrames(3);
    EXPECT_FALSE(victim->dead);
    runFrames(1);
    EXPECT_TRUE(victim->dead);
    EXPECT_EQ(owner->kills, 1);
}

TEST_F(Deaths, APlayerOnItsOwnBombDiesAtOnceAndLosesAKill)
{
    makeArena(7, 5);
    auto p = addPlayer(0, {3, 2});
    startGame();
    placeBomb({3, 2}, p, 0);
    runFrames(1);
    EXPECT_TRUE(p->dead);
    EXPECT_EQ(p->kills, -1);
}

TEST_F(Deaths, AFlameLineSparesItsOwnersHeadButNotOthersNorASnakesBody)
{
    makeArena(9, 5);
    auto thrower = addPlayer(0, {2, 2});
    auto other = addPlayer(1, {2, 2});
    startGame();
    game->addFlameLine({2, 2}, {1, 0}, thrower);
    game->checkPlayerDeaths();
    EXPECT_FALSE(thrower->dead);
    EXPECT_TRUE(other->dead);
    EXPECT_EQ(thrower->kills, 1);

    // A snake's own line still cuts its body.
    makeSnake(thrower, 8, {{1, 2}, {2, 2}, {3, 2}});
    placeAt(thrower, {1, 2});
    game->flames.clear();
    game->addFlameLine({2, 2}, {1, 0}, thrower);
    game->checkPlayerDeaths();
    EXPECT_EQ(thrower->snakeLength, 4);
    EXPECT_FALSE(thrower->dead);
}

TEST_F(Deaths, APlayerIsHitByAtMostOneFlameAFrame)
{
    makeArena(9, 5);
    auto owner = makeOwner();
    auto snake = addPlayer(0, {1, 1});
    makeSnake(snake, 12, {{1, 2}, {2, 2}, {3, 2}});
    startGame();
    addFlame({2, 2}, owner);
    addFlame({3, 2}, owner);
    game->checkPlayerDeaths();
    EXPECT_EQ(snake->snakeLength, 6);
}

TEST_F(Deaths, AHumanInABreakingBlockDiesButASnakeHeadIsNeverTestedAgainstWalls)
{
    makeArena(9, 5);
    auto human = addPlayer(0, {2, 2});
    auto snake = addPlayer(1, {4, 2});
    makeSnake(snake, 6, {{5, 2}, {6, 2}});
    armShield(snake);
    grid.at(2, 2) = 15;
    grid.at(4, 2) = 15;
    startGame();
    game->checkPlayerDeaths();
    EXPECT_TRUE(human->dead);
    EXPECT_FALSE(shieldWasHit(snake));
}

TEST_F(Deaths, AWallUnderTheBodyCutsTheSnakeOnlyWithinItsLength)
{
    makeArena(14, 5);
    auto snake = addPlayer(0, {1, 1});
    startGame();
    std::vector<Vector2> body;
    for (int i = 0; i < 10; ++i)
        body.push_back({12 - i, 2});

    // Part 0 lies under the head and is not tested.
    grid.at(12, 2) = Square::Block;
    makeSnake(snake, 8, body);
    game->checkPlayerDeaths();
    EXPECT_EQ(snake->snakeLength, 8);

    // A part beyond the length (the body not yet rebuilt) is not tested either...
    grid.at(12, 2) = Square::Empty;
    grid.at(3, 2) = Square::Wall;
    game->checkPlayerDeaths();
    EXPECT_EQ(snake->snakeLength, 8);
    // ...except in older replays, which test every part.
    game->replayData = replayOfVersion(0x1000009);
    game->checkPlayerDeaths();
    EXPECT_EQ(snake->snakeLength, 4);

    // A body still growing is tested on the parts it has.
    game->replayData = {};
    grid.at(3, 2) = Square::Empty;
    grid.at(10, 2) = Square::Block;
    makeSnake(snake, 12, {body[0], body[1], body[2]});
    game->checkPlayerDeaths();
    EXPECT_EQ(snake->snakeLength, 6);

    // Walls and blocks cut (a worn tough block too); a crumbling block does not.
    grid.at(10, 2) = 15;
    makeSnake(snake, 8, {body[0], body[1], body[2]});
    game->checkPlayerDeaths();
    EXPECT_EQ(snake->snakeLength, 8);
    grid.at(10, 2) = Square::ToughBlockLast;
    game->checkPlayerDeaths();
    EXPECT_EQ(snake->snakeLength, 4);
}

TEST_F(Deaths, AHumanUnderASnakeHeadIsEatenAndTheSnakeTakesTheKill)
{
    makeArena(9, 5);
    auto human = addPlayer(0, {3, 2});
    auto snake = addPlayer(1, {3, 2});
    makeSnake(snake, 4, {{4, 2}, {5, 2}});
    startGame();
    game->checkPlayerDeaths();
    EXPECT_TRUE(human->dead);
    EXPECT_EQ(snake->kills, 1);
}

TEST_F(Deaths, TwoSnakeHeadsOnOneCellBothCollideUncreditedExceptInOldReplays)
{
    for (int version : {0x5f00b, 0x5f00c}) {
        SCOPED_TRACE(version);
        resetRoundState();
        makeArena(9, 5);
        auto a = addPlayer(0, {3, 2});
        auto b = addPlayer(1, {3, 2});
        makeSnake(a, 4, {{2, 2}, {1, 2}});
        makeSnake(b, 4, {{4, 2}, {5, 2}});
        armShield(a);
        armShield(b);
        startGame(replayOfVersion(version));
        game->checkPlayerDeaths();
        const bool collide = version >= 0x5f00c;
        EXPECT_EQ(shieldWasHit(a), collide);
        EXPECT_EQ(shieldWasHit(b), collide);
        EXPECT_EQ(a->kills + b->kills, 0);
    }
}

TEST_F(Deaths, GhostsAreSkippedByFlamesAndWalls)
{
    makeArena(9, 5);
    auto ghost = addPlayer(0, {2, 2});
    ghost->ghost = true;
    grid.at(2, 2) = Square::Block;
    startGame();
    addFlame({2, 2}, makeOwner());
    game->checkPlayerDeaths();
    EXPECT_FALSE(ghost->dead);
}

TEST_F(Deaths, FlamesOfAPlayerWhoLeftHurtNobody)
{
    makeArena(9, 5);
    auto victim = addPlayer(0, {2, 2});
    startGame();
    auto leaver = std::make_shared<Player>(9, 0, -1, PlayerLook{}, nullptr);
    addFlame({2, 2}, leaver);
    leaver.reset();
    game->checkPlayerDeaths();
    EXPECT_FALSE(victim->dead);
}

}
