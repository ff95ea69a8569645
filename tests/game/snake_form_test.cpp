#include <sstream>

#include "game/ai_snakes.h"
#include "support/round_fixture.h"

namespace {

// Snakes on hand-made arenas, stepped the way the player update steps them.
class SnakeForm : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        gameOptions.resolvedGridBlocks = false;
    }

    // A human turned snake, facing `facing`.
    std::shared_ptr<Player> addSnake(int num, Vector2 cell, Facing facing)
    {
        auto p = addPlayer(num, cell);
        p->facing = facing;
        p->becomeSnake();
        return p;
    }
    std::shared_ptr<Player> addComputerSnake(int num, Vector2 cell)
    {
        return player.emplace_back(makeAiSnakePlayer(num, cell, std::nullopt));
    }

    // `updates` snake updates with the same input; inputs the snake records
    // are kept in `recorded`.
    void step(const std::shared_ptr<Player>& p, int updates = 1, int xDir = 0, int yDir = 0)
    {
        if (!game)
            startGame();
        p->game = game.get();
        const RecordInput record = [this](int x, int y, bool, bool) { recorded.push_back({x, y}); };
        for (int i = 0; i < updates; ++i)
            p->updateSnake(xDir, yDir, game->replayData, record);
    }

    // The sum over the grid; every cell is checked never to go negative.
    int occupancyTotal()
    {
        int total = 0;
        for (int x = 0; x < grid_squares_x; ++x)
            for (int y = 0; y < grid_squares_y; ++y) {
                EXPECT_GE(snakeOccupancy.at(x, y), 0) << x << "," << y;
                total += snakeOccupancy.at(x, y);
            }
        return total;
    }

    std::vector<Vector2> recorded;
};

Vector2 segmentAt(const Player& p, int i)
{
    const SnakePart& part = p.snakeBody[std::size_t(i)];
    return {std::get<0>(part), std::get<1>(part)};
}

TEST_F(SnakeForm, BecomingASnakeGivesTheLengthOfItsKind)
{
    makeArena(9, 7);
    gameOptions.aiSnakeStartLength = 9;
    auto human = addPlayer(0, {1, 1});
    human->shielded = true;
    human->becomeSnake();
    EXPECT_EQ(human->snakeLength, 4);
    EXPECT_FALSE(human->shielded);
    auto ai = addComputerSnake(120, {4, 3});
    EXPECT_EQ(ai->snakeLength, 9);
    EXPECT_TRUE(ai->isAI);
}

TEST_F(SnakeForm, MovesOnByItselfWithItsBodyAlongTheTrail)
{
    makeArena(11, 5);
    auto p = addSnake(0, {1, 2}, Facing::Right);
    // A human snake steps 3 pixels an update; just after becoming a snake the
    // trail is short and every segment lies on its oldest entry.
    step(p);
    EXPECT_EQ(p->x, 35);
    ASSERT_EQ(p->snakeBody.size(), 4u);
    EXPECT_EQ(segmentAt(*p, 3), (Vector2{32, 64}));
    EXPECT_EQ(std::get<2>(p->snakeBody[3]), int(Facing::Right));

    step(p, 29);
    EXPECT_EQ(std::pair(p->x, p->y), std::pair(32 + 90, 64));
    // Segment i lies 16 (i + 1) entries before the newest trail entry (121).
    EXPECT_EQ(segmentAt(*p, 0), (Vector2{105, 64}));
    EXPECT_EQ(segmentAt(*p, 3), (Vector2{57, 64}));
    EXPECT_EQ(occupancyTotal(), 4);

    // Against the wall it stops on its cell line and waits for a turn.
    step(p, 100);
    EXPECT_EQ(p->x, 9 * 32);
    EXPECT_TRUE(p->isSnake());
}

TEST_F(SnakeForm, TurnsSidewaysOnlyAtCellLinesAndNeverReverses)
{
    makeArena(9, 9);
    auto p = addSnake(0, {2, 4}, Facing::Right);
    step(p, 5, -1, 0);
    EXPECT_EQ(p->x, 64 + 15);
    EXPECT_EQ(p->facing, Facing::Right);

    // Down between cell lines: the turn is taken at the line (96) in the
    // middle of an update, and the rest of that update goes down.
    step(p, 6, 0, 1);
    EXPECT_EQ(std::pair(p->x, p->y), std::pair(96, 129));
    EXPECT_EQ(p->facing, Facing::Down);

    // The body follows round the corner.
    step(p, 10);
    EXPECT_EQ(std::get<2>(p->snakeBody[0]), int(Facing::Down));
    EXPECT_EQ(std::get<2>(p->snakeBody[3]), int(Facing::Right));
}

TEST_F(SnakeForm, WallsAndSnakesStopTurnsAndSteps)
{
    makeArena({"#########", "#.......#", "#.......#", "#...W...#", "#.......#", "#########"});
    auto p = addSnake(0, {4, 2}, Facing::Right);
    step(p, 1, 0, 1);
    EXPECT_EQ(p->facing, Facing::Right);
    // Another snake's body above stops a turn up at the next line.
    auto other = addSnake(1, {5, 4}, Facing::Left);
    other->snakeBody.emplace_back(5 * 32, 1 * 32, 0);
    step(p, 10, 0, -1);
    EXPECT_EQ(p->facing, Facing::Right);
    EXPECT_GT(p->x, 5 * 32);

    // A body ahead holds the head at its line until it has gone.
    other->snakeBody = {{7 * 32, 2 * 32, 0}};
    step(p, 30);
    EXPECT_EQ(p->x, 6 * 32);
    other->snakeBody.clear();
    step(p, 2);
    EXPECT_EQ(p->x, 6 * 32 + 6);
}

TEST_F(SnakeForm, EatsBlocksAndGrows)
{
    makeArena({"#######", "#..B..#", "#######"});
    powerupGrid.at(3, 1) = 5;
    auto p = addSnake(0, {1, 1}, Facing::Right);
    // The block is eaten when the head reaches its line.
    step(p, 21);
    EXPECT_EQ(p->x, 32 + 63);
    EXPECT_EQ(grid.at(3, 1), Square::Block);
    step(p);
    EXPECT_EQ(std::pair(grid.at(3, 1), powerupGrid.at(3, 1)), std::pair(int(Square::Empty), 0));
    EXPECT_EQ(std::pair(p->snakeLength, p->snakeBody.size()), std::pair(5, std::size_t(5)));
}

TEST_F(SnakeForm, ATrappedSnakeBecomesHumanDazed)
{
    makeArena({"######", "#....#", "######"});
    gameOptions.updateRateMultiplier = 2;
    gameOptions.updateRate = 120;
    auto p = addSnake(0, {1, 1}, Facing::Right);
    p->snakeLength = 3;
    // At 120 updates a second a human snake steps a pixel an update.
    step(p, 100);
    EXPECT_FALSE(p->isSnake());
    EXPECT_EQ(p->x, 4 * 32);
    EXPECT_EQ(std::tuple(p->held, p->shielded, p->holdTimer, p->shieldTimer, p->walkFrame),
              std::tuple(true, true, 480, 240, 1));
    EXPECT_EQ(p->facing, Facing::Right);
    EXPECT_TRUE(p->snakeBody.empty());
    EXPECT_TRUE(p->headTrail.empty());
    EXPECT_EQ(occupancyTotal(), 0);
    EXPECT_EQ(p->flyingSprites.size(), 3u);
}

TEST_F(SnakeForm, ATrappedSnakeWithStepsLeftEndsItsUpdateCleanly)
{
    makeArena({"#####", "#...#", "#####"});
    auto p = addSnake(0, {1, 1}, Facing::Right);
    // Three pixels an update: the line at 96 is reached with steps left.
    EXPECT_NO_THROW(step(p, 40));
    EXPECT_FALSE(p->isSnake());
    EXPECT_EQ(p->x, 96);

    auto ai = addComputerSnake(120, {1, 1});
    ai->facing = Facing::Right;
    ai->speed = 5;
    ai->snakeLength = 2;
    EXPECT_NO_THROW(step(ai, 40));
    EXPECT_TRUE(ai->dead);
    EXPECT_FALSE(ai->isSnake());
    EXPECT_EQ(occupancyTotal(), 0);
}

TEST_F(SnakeForm, CutSegmentsFlyOffAndTheBodyFollowsTheNewLength)
{
    makeArena(20, 5);
    auto p = addSnake(0, {1, 2}, Facing::Right);
    p->snakeLength = 6;
    step(p, 60);
    ASSERT_EQ(p->snakeBody.size(), 6u);
    const Vector2 third = segmentAt(*p, 2);

    p->snakeLength = 2;
    p->dropSnakeSegments(2);
    ASSERT_EQ(p->flyingSprites.size(), 4u);
    const FlyingSprite& last = *p->flyingSprites[3];
    EXPECT_EQ(std::tuple(last.spin, last.delay, last.scaleSpeed), std::tuple(25.0f, 6, 0.2f));
    EXPECT_EQ(p->flyingSprites[0]->x, third.x);
    // The body keeps its segments until the next step lays it anew.
    EXPECT_EQ(p->snakeBody.size(), 6u);
    step(p);
    EXPECT_EQ(p->snakeBody.size(), 2u);
    EXPECT_EQ(occupancyTotal(), 2);

    // A body left from a larger arena takes nothing off the next round's,
    // which starts empty and may lack some of its cells.
    resizeArena(5, 6);
    p->snakeBody = {{2 * 32, 2 * 32, 0}, {9 * 32, 2 * 32, 0}};
    EXPECT_NO_THROW(p->resetStats());
    EXPECT_EQ(occupancyTotal(), 0);
}

TEST_F(SnakeForm, AComputerSnakeDecidesAtCellLinesAndRecordsItsChoice)
{
    makeArena({"#####", "#.###", "#.###", "#...#", "#####"});
    gameOptions.aiSearchDepth = 6;
    auto ai = addComputerSnake(130, {1, 1});
    ai->speed = 2;
    ASSERT_EQ(ai->facing, Facing::Down);
    step(ai);
    // The way down is the only one; one decision, recorded as it was made.
    EXPECT_EQ(recorded, (std::vector<Vector2>{{0, 1}}));
    step(ai, 15);
    EXPECT_EQ(recorded.size(), 1u);
    step(ai);
    EXPECT_EQ(recorded.size(), 2u);
    EXPECT_EQ(ai->y, 2 * 32 + 2);
}

TEST_F(SnakeForm, OldReplaysStepFourPixelsAnUpdate)
{
    makeArena(20, 5);
    auto p = addSnake(0, {1, 2}, Facing::Right);
    p->x += 2;
    startGame();
    p->game = game.get();
    for (int i = 0; i < 10; ++i)
        p->updateSnakeBody(0, 0);
    // Cut down to 32 first, then 4 pixels an update; segments every 16
    // pixels of path back from the newest entry (68).
    EXPECT_EQ(p->x, 32 + 40);
    ASSERT_EQ(p->snakeBody.size(), 4u);
    EXPECT_EQ(segmentAt(*p, 0), (Vector2{52, 64}));
    EXPECT_EQ(segmentAt(*p, 2), (Vector2{32, 64}));
    EXPECT_EQ(occupancyTotal(), 4);
}

}
