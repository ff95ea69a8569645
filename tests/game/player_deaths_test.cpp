#include "rules_scenario.h"

namespace {

class Deaths : public RulesScenario {
protected:
    void SetUp() override
    {
        RulesScenario::SetUp();
        makeArena(14, 5);
    }

    // A flame wave standing on the cell.
    void addFlame(Vector2 cell, const std::shared_ptr<Player>& owner)
    {
        Flame f;
        f.owner = owner;
        f.x = cell.x;
        f.y = cell.y;
        f.timer = 100;
        game->flames.push_back(f);
    }
    // A hit on an armed shield only starts its countdown.
    static bool shieldWasHit(const std::shared_ptr<Player>& p) { return p->shieldTimer == 120; }
};

TEST_F(Deaths, FlamesKillWhomTheyReachAndCreditTheBombsOwnerOrChargeIt)
{
    auto owner = addPlayer(0, {7, 1});
    auto victim = addPlayer(1, {4, 2});
    auto suicide = addPlayer(2, {10, 2});
    startGame();
    placeBomb({2, 2}, owner, 0);
    placeBomb({10, 2}, suicide, 0);
    runFrames(1);
    EXPECT_TRUE(suicide->dead);   // on its own bomb: at once
    EXPECT_EQ(suicide->kills, -1);
    runFrames(2);
    EXPECT_FALSE(victim->dead);
    runFrames(1);
    EXPECT_TRUE(victim->dead);
    EXPECT_EQ(owner->kills, 1);
}

TEST_F(Deaths, AFlameLineSparesItsOwnersHeadButNotOthersNorASnakesBody)
{
    auto thrower = addPlayer(0, {2, 2});
    auto other = addPlayer(1, {2, 2});
    startGame();
    game->addFlameLine({2, 2}, {1, 0}, thrower);
    game->checkPlayerDeaths();
    EXPECT_FALSE(thrower->dead);
    EXPECT_TRUE(other->dead);
    EXPECT_EQ(thrower->kills, 1);

    makeSnake(thrower, 8, {{1, 2}, {2, 2}, {3, 2}});
    thrower->x = 32;
    game->flames.clear();
    game->addFlameLine({2, 2}, {1, 0}, thrower);
    game->checkPlayerDeaths();
    EXPECT_EQ(thrower->snakeLength, 4);
    EXPECT_FALSE(thrower->dead);
}

TEST_F(Deaths, OneFlameAFrameAtMostAndNoneFromAPlayerWhoLeftNorOnAGhost)
{
    auto snake = addPlayer(0, {1, 1});
    makeSnake(snake, 12, {{1, 2}, {2, 2}, {3, 2}});
    auto victim = addPlayer(1, {8, 2});
    auto ghost = addPlayer(2, {11, 3});
    ghost->ghost = true;
    grid.at(11, 3) = Square::Block;
    startGame();
    auto owner = makeOwner();
    addFlame({2, 2}, owner);
    addFlame({3, 2}, owner);
    addFlame({11, 3}, owner);
    auto leaver = std::make_shared<Player>(9, 0, -1, PlayerLook{}, nullptr);
    addFlame({8, 2}, leaver);
    leaver.reset();
    game->checkPlayerDeaths();
    EXPECT_EQ(snake->snakeLength, 6);
    EXPECT_FALSE(victim->dead);
    EXPECT_FALSE(ghost->dead);   // ghosts are skipped by flames and walls
}

TEST_F(Deaths, AHumanInABreakingBlockDiesButASnakeHeadIsNeverTestedAgainstWalls)
{
    auto human = addPlayer(0, {2, 2});
    auto snake = addPlayer(1, {4, 2});
    makeSnake(snake, 6, {{5, 2}, {6, 2}});
    snake->giveShield();
    grid.at(2, 2) = 15;
    grid.at(4, 2) = 15;
    startGame();
    game->checkPlayerDeaths();
    EXPECT_TRUE(human->dead);
    EXPECT_FALSE(shieldWasHit(snake));
}

TEST_F(Deaths, AWallUnderTheBodyCutsTheSnakeOnlyWithinItsLength)
{
    auto snake = addPlayer(0, {1, 1});
    startGame();
    std::vector<Vector2> body;
    for (int i = 0; i < 10; ++i)
        body.push_back({12 - i, 2});
    auto lengthAfterCheck = [&](int length, std::size_t parts) {
        makeSnake(snake, length, {body.begin(), body.begin() + std::ptrdiff_t(parts)});
        game->checkPlayerDeaths();
        return snake->snakeLength;
    };

    grid.at(12, 2) = Square::Block;   // part 0 lies under the head and is not tested
    EXPECT_EQ(lengthAfterCheck(8, 10), 8);
    grid.at(11, 2) = Square::Wall;    // part 1, the first behind it, is
    EXPECT_EQ(lengthAfterCheck(8, 10), 4);
    grid.at(11, 2) = Square::Empty;
    // A part beyond the length (the body not yet rebuilt) is not tested either,
    // except in older replays, which test every part.
    grid.at(12, 2) = Square::Empty;
    grid.at(3, 2) = Square::Wall;
    EXPECT_EQ(lengthAfterCheck(8, 10), 8);
    game->replayData = replayOfVersion(0x1000009);
    EXPECT_EQ(lengthAfterCheck(8, 10), 4);

    // A body still growing is tested on the parts it has; a worn tough block
    // cuts, a crumbling block does not.
    game->replayData = {};
    grid.at(3, 2) = Square::Empty;
    grid.at(10, 2) = Square::Block;
    EXPECT_EQ(lengthAfterCheck(12, 3), 6);
    grid.at(10, 2) = 15;
    EXPECT_EQ(lengthAfterCheck(8, 3), 8);
    grid.at(10, 2) = Square::ToughBlockLast;
    EXPECT_EQ(lengthAfterCheck(8, 3), 4);
}

TEST_F(Deaths, SnakeHeadsEatHumansAndTwoHeadsOnOneCellCollideUncreditedExceptInOldReplays)
{
    for (int version : {0x5f00b, 0x5f00c}) {
        SCOPED_TRACE(version);
        resetRoundState();
        makeArena(9, 5);
        auto a = addPlayer(0, {3, 2});
        auto b = addPlayer(1, {3, 2});
        auto human = addPlayer(2, {6, 1});
        auto eater = addPlayer(3, {6, 1});
        makeSnake(a, 4, {{2, 2}, {1, 2}});
        makeSnake(b, 4, {{4, 2}, {5, 2}});
        makeSnake(eater, 4, {{7, 1}, {7, 2}});
        a->giveShield();
        b->giveShield();
        startGame(replayOfVersion(version));
        game->checkPlayerDeaths();
        const bool collide = version >= 0x5f00c;
        EXPECT_EQ(shieldWasHit(a), collide);
        EXPECT_EQ(shieldWasHit(b), collide);
        EXPECT_EQ(a->kills + b->kills, 0);
        EXPECT_TRUE(human->dead);
        EXPECT_EQ(eater->kills, 1);
    }
}

}
