#include <stdexcept>

#include "game/arena.h"
#include "support/round_fixture.h"

namespace {

using ArenaCells = RoundTest;

TEST(ArenaConversions, DivisionRoundsTowardZeroAtTheEdges)
{
    EXPECT_EQ(cellToPixel(3, 2), (Vector2{96, 64}));
    EXPECT_EQ(cellFarCorner({3, 2}), (Vector2{127, 95}));
    EXPECT_EQ(pixelToCell(31, 32), (Vector2{0, 1}));
    EXPECT_EQ(pixelToCell(-1, 5), (Vector2{0, 0}));
    EXPECT_EQ(pixelToCell(-32, 0), (Vector2{-1, 0}));
    // The centre of a box 16 pixels right of a cell line is in the next cell.
    EXPECT_EQ(pixelCentreToCell(15, 16), (Vector2{0, 1}));
    EXPECT_EQ(pixelCentreToCell(-17, 0), (Vector2{0, 0}));
    EXPECT_EQ(cellEdgePoint({64, 32}, 0), (Vector2{95, 48}));
    EXPECT_EQ(cellEdgePoint({64, 32}, 3), (Vector2{80, 63}));
    EXPECT_EQ(cellEdgePoint({64, 32}, 9), (Vector2{80, 32}));
    EXPECT_EQ(moveTowards(10, 4, 3), 7);
    EXPECT_EQ(moveTowards(5, 4, 3), 4);
    EXPECT_EQ(moveTowards(2, 4, 3), 4);
}

TEST_F(ArenaCells, CellsOutsideTheGridThrowWhereverTheyAreRead)
{
    makeArena(5, 4);
    EXPECT_THROW(grid.at(5, 0), std::out_of_range);
    EXPECT_THROW(grid.at(0, -1), std::out_of_range);
    EXPECT_THROW(squareMatchesMask({-1, 2}, CellMask::Anything, nullptr), std::out_of_range);
    EXPECT_EQ(grid.at(4, 3), Square::OuterWall);
}

TEST_F(ArenaCells, ClearCrossSparesOuterWallsAndWallsUnlessForced)
{
    makeArena({"#######",
               "#.WBB.#",
               "#WBWBT#",
               "#.#B..#",
               "#######"});
    powerupGrid.at(4, 2) = 5;
    powerupGrid.at(4, 1) = 6;
    clearCross({3, 2}, 2, false);
    EXPECT_EQ(grid.at(2, 2), Square::Empty);
    EXPECT_EQ(grid.at(5, 2), Square::Empty);       // tough block at arm length 2
    EXPECT_EQ(powerupGrid.at(4, 2), 0);
    EXPECT_EQ(grid.at(1, 2), Square::Wall);        // walls stay inside the cross
    EXPECT_EQ(grid.at(3, 2), Square::Wall);
    EXPECT_EQ(grid.at(3, 1), Square::Empty);
    EXPECT_EQ(grid.at(3, 3), Square::Empty);
    EXPECT_EQ(grid.at(3, 0), Square::OuterWall);
    EXPECT_EQ(grid.at(4, 1), Square::Block);       // off the arms
    EXPECT_EQ(powerupGrid.at(4, 1), 6);

    clearCross({3, 2}, 3, true);
    EXPECT_EQ(grid.at(3, 2), Square::Empty);
    EXPECT_EQ(grid.at(1, 2), Square::Empty);
    EXPECT_EQ(grid.at(0, 2), Square::OuterWall);
    EXPECT_EQ(grid.at(3, 4), Square::OuterWall);

    clearCross({4, 1}, -1, true);
    EXPECT_EQ(grid.at(4, 1), Square::Block);
    // A cross reaching past the arena clears only what lies inside it.
    EXPECT_NO_THROW(clearCross({0, 0}, 9, true));
}

TEST_F(ArenaCells, MaskTestsKindsAndSnakesInOrder)
{
    makeArena({"######",
               "#W.BT#",
               "#....#",
               "######"});
    grid.at(4, 1) = 6;
    EXPECT_TRUE(squareMatchesMask({0, 0}, CellMask::OuterWall, nullptr));
    EXPECT_FALSE(squareMatchesMask({1, 1}, CellMask::OuterWall, nullptr));
    EXPECT_TRUE(squareMatchesMask({1, 1}, CellMask::Wall, nullptr));
    EXPECT_TRUE(squareMatchesMask({3, 1}, CellMask::Block, nullptr));
    EXPECT_TRUE(squareMatchesMask({4, 1}, CellMask::Block, nullptr));
    EXPECT_FALSE(squareMatchesMask({2, 1}, CellMask::Anything, nullptr));

    // Two snakes with their heads on (2, 2); the first one's body runs right.
    auto first = addPlayer(0, {2, 2});
    auto second = addPlayer(1, {2, 2});
    addPlayer(2, {1, 2});   // a human is never a snake head
    first->snakeLength = second->snakeLength = 3;
    first->snakeBody = {{64, 64, 0}, {96, 64, 0}, {128, 64, 0}};
    std::shared_ptr<Player> found;
    EXPECT_TRUE(squareMatchesMask({2, 2}, CellMask::SnakeHead, first, &found));
    EXPECT_EQ(found, second);
    second->dead = true;
    EXPECT_FALSE(squareMatchesMask({2, 2}, CellMask::SnakeHead, first));
    // The body test does not leave out the snake asked about.
    EXPECT_TRUE(squareMatchesMask({3, 2}, CellMask::SnakeBody, first));
    EXPECT_FALSE(squareMatchesMask({3, 2}, CellMask::SnakeHead, nullptr));
    EXPECT_FALSE(squareMatchesMask({1, 2}, CellMask::SnakeAny, nullptr));
    first->dead = true;
    EXPECT_FALSE(squareMatchesMask({3, 2}, CellMask::SnakeBody, nullptr));
}

TEST_F(ArenaCells, PlayerOnCellHelpersDifferInCellAndInWhoCounts)
{
    makeArena(6, 6);
    auto p = addPlayer(0, {1, 1});
    p->x = p->y = 50;   // top-left in (1, 1), centre in (2, 2)
    EXPECT_EQ(getPlayerOnCell({2, 2}, nullptr), p.get());
    EXPECT_EQ(getPlayerOnCell({1, 1}, nullptr), nullptr);
    EXPECT_TRUE(isPlayerOnCell(1, 1, nullptr));
    EXPECT_FALSE(isPlayerOnCell(2, 2, nullptr));
    EXPECT_FALSE(isPlayerOnCell(1, 1, p));
    EXPECT_EQ(getPlayerOnCell({2, 2}, p.get()), nullptr);

    p->ghost = true;   // ghosts stand on cells, but nothing lands on them
    EXPECT_EQ(getPlayerOnCell({2, 2}, nullptr), p.get());
    EXPECT_FALSE(isPlayerOnCell(1, 1, nullptr));
    p->ghost = false;
    p->isAI = true;    // computer snakes are no one's target on a cell
    EXPECT_EQ(getPlayerOnCell({2, 2}, nullptr), nullptr);
    EXPECT_TRUE(isPlayerOnCell(1, 1, nullptr));
    p->isAI = false;
    p->dead = true;
    EXPECT_EQ(getPlayerOnCell({2, 2}, nullptr), nullptr);
    EXPECT_FALSE(isPlayerOnCell(1, 1, nullptr));

    p->dead = false;
    p->x = -1;   // the column is floored, the row truncated
    EXPECT_TRUE(isPlayerOnCell(-1, 1, nullptr));
    EXPECT_FALSE(isPlayerOnCell(0, 1, nullptr));
}

TEST_F(ArenaCells, PresenceTestsCountInteriorBombsWithinAnInclusiveRadius)
{
    makeArena(7, 5);
    auto owner = addPlayer(0, {1, 1});
    Game& g = startGame();
    bombGrid.at(2, 2).owner = owner;
    bombGrid.at(0, 2).owner = owner;   // on the border: not counted as near
    EXPECT_TRUE(g.hasBombAt({2, 2}));
    EXPECT_TRUE(g.isBombNear({4, 2}, 2.0f));
    EXPECT_FALSE(g.isBombNear({4, 2}, 1.99f));
    EXPECT_FALSE(g.isBombNear({0, 4}, 2.0f));
    // A bomb whose owner has gone is no bomb.
    player.clear();
    owner.reset();
    EXPECT_FALSE(g.hasBombAt({2, 2}));
}

}
