#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/round_state.h"
#include "support/round_fixture.h"

namespace {

using Rows = std::vector<std::string>;

// A 7 x 7 arena (5 x 5 floor) that starts to shrink 3 frames into the round,
// one step every 2 frames.
class ShrinkingArena : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        makeArena(7, 7);
        gameOptions.resolvedTimeBeforeShrinking = 3;
        gameOptions.resolvedShrinkSpeed = 2;
    }

    // The waiting phase takes 3 frames, the warning 500 more; the frame on
    // which the timer reaches -500 already adds the crawlers.
    static constexpr int lastWarningFrame = 3 + 500;
    void runToCrawlers() { runFrames(lastWarningFrame); }

    Rows rows()
    {
        Rows out;
        for (int y = 0; y < grid_squares_y; ++y) {
            std::string row;
            for (int x = 0; x < grid_squares_x; ++x)
                row += grid.at(x, y) == Square::OuterWall ? '#' : '.';
            out.push_back(row);
        }
        return out;
    }
};

bool sameCrawler(const ShrinkCrawler& a, const ShrinkCrawler& b)
{
    return a.x == b.x && a.y == b.y && a.dx == b.dx && a.dy == b.dy;
}

TEST_F(ShrinkingArena, WaitsWarnsForFiveHundredFramesThenCrawls)
{
    // The warning is not scaled by the update-rate multiplier.
    gameOptions.updateRateMultiplier = 2;
    startGame();
    runFrames(2);
    EXPECT_EQ(game->shrinkPhase, 0);
    runFrames(1);
    EXPECT_EQ(std::pair(game->shrinkPhase, game->shrinkTimer), std::pair(1, 0));
    runFrames(lastWarningFrame - 1 - 3);
    EXPECT_EQ(std::pair(game->shrinkPhase, game->shrinkTimer), std::pair(1, -499));
    EXPECT_TRUE(game->shrinkCrawlers.empty());
    runFrames(1);
    EXPECT_EQ(std::pair(game->shrinkPhase, game->shrinkTimer), std::pair(2, -500));
    EXPECT_EQ(game->shrinkCrawlers.size(), 1u);
    EXPECT_EQ(game->shrinkStepTimer, 2);
}

TEST_F(ShrinkingArena, EachStyleLaysItsFirstCellsOnTheSecondFrameOfShrinking)
{
    struct Case {
        int style;
        std::vector<ShrinkCrawler> start;
        std::vector<ShrinkCrawler> afterFirstStep;
    };
    const Case cases[] = {
        {1, {{1, 1, 1, 0}}, {{2, 1, 1, 0}}},
        {2, {{5, 5, -1, 0}, {1, 1, 1, 0}}, {{4, 5, -1, 0}, {2, 1, 1, 0}}},
        {3,
         {{1, 5, 0, -1}, {5, 1, 0, 1}, {5, 5, -1, 0}, {1, 1, 1, 0}},
         {{1, 4, 0, -1}, {5, 2, 0, 1}, {4, 5, -1, 0}, {2, 1, 1, 0}}},
    };
    const Rows untouched{"#######", "#.....#", "#.....#", "#.....#", "#.....#", "#.....#", "#######"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        makeArena(7, 7);
        gameOptions.resolvedShrinkStyle = c.style;
        startGame();
        runToCrawlers();
        ASSERT_EQ(game->shrinkCrawlers.size(), c.start.size());
        for (std::size_t i = 0; i < c.start.size(); ++i)
            EXPECT_TRUE(sameCrawler(game->shrinkCrawlers[i], c.start[i])) << i;
        runFrames(1);
        EXPECT_EQ(rows(), untouched);
        runFrames(1);
        for (std::size_t i = 0; i < c.start.size(); ++i) {
            EXPECT_EQ(grid.at(c.start[i].x, c.start[i].y), Square::OuterWall) << i;
            EXPECT_TRUE(sameCrawler(game->shrinkCrawlers[i], c.afterFirstStep[i])) << i;
        }
        int laid = 0;
        for (const std::string& row : rows())
            laid += int(std::count(row.begin(), row.end(), '#'));
        EXPECT_EQ(laid, 24 + int(c.start.size()));
        EXPECT_EQ(game->shrinkStepTimer, 2);
    }
}

TEST_F(ShrinkingArena, OneCrawlerSpiralsInwardAndFourCloseTheArenaTogether)
{
    gameOptions.resolvedShrinkStyle = 1;
    startGame();
    runToCrawlers();
    // 25 floor cells, one every 2 frames from the second frame of shrinking.
    runFrames(1 + 24 * 2);
    EXPECT_EQ(game->shrinkPhase, 2);
    EXPECT_EQ(rows(), (Rows{"#######", "#######", "#######", "###.###", "#######", "#######", "#######"}));
    // With only the middle cell left, the arena already counts as closed.
    EXPECT_TRUE(game->isArenaFullyShrunk());
    runFrames(1);
    EXPECT_EQ(game->shrinkPhase, 3);
    EXPECT_EQ(rows(), Rows(7, "#######"));
    // The crawler is kept on the last cell it laid, in the middle row.
    EXPECT_EQ(std::pair(game->shrinkCrawlers[0].x, game->shrinkCrawlers[0].y), std::pair(3, 3));
    EXPECT_TRUE(game->isArenaFullyShrunk());
    runFrames(100);
    EXPECT_EQ(game->shrinkPhase, 3);

    makeArena(7, 7);
    gameOptions.resolvedShrinkStyle = 3;
    startGame();
    runToCrawlers();
    int frames = 0;
    for (; game->shrinkPhase == 2 && frames < 100; ++frames)
        runFrames(1);
    EXPECT_EQ(game->shrinkPhase, 3);
    EXPECT_EQ(rows(), Rows(7, "#######"));
    // The outer ring takes four steps, the inner ring two, the middle cell the seventh.
    EXPECT_EQ(frames, 7 * 2);
}

TEST_F(ShrinkingArena, CrawlersOfTheClosingStepStillLayTheirCells)
{
    makeArena({"#######", "#.#...#", "###...#", "#.....#", "#######"});
    startGame();
    game->shrinkPhase = 2;
    game->shrinkStepTimer = 1;
    // The first crawler closes the arena: after its cell it meets a wall, turns
    // and meets another.
    game->shrinkCrawlers = {{1, 1, 1, 0}, {4, 2, 0, 1}};
    runFrames(1);
    EXPECT_EQ(game->shrinkPhase, 3);
    EXPECT_EQ(grid.at(1, 1), Square::OuterWall);
    EXPECT_EQ(grid.at(4, 2), Square::OuterWall);
    EXPECT_EQ(std::pair(game->shrinkCrawlers[0].y, game->shrinkCrawlers[1].y), std::pair(1, 3));
}

TEST_F(ShrinkingArena, CrawlersStartAGhostsShieldRunningAndPushTeamHomesInward)
{
    teams.emplace_back(Vector2{1, 5}, Vector2{1, 0});
    teams.emplace_back(Vector2{3, 3}, Vector2{0, 1});
    gameOptions.resolvedShrinkStyle = 3;
    auto p = addPlayer(0, {3, 3});
    p->ghost = true;
    p->shieldTimer = 121;
    auto q = addPlayer(1, {2, 3});
    q->shielded = true;
    q->shieldTimer = 121;
    startGame();
    runToCrawlers();
    // Armed timers wait at 121; the ghost's now counts down, the shield's waits.
    EXPECT_EQ(std::pair(p->shieldTimer, q->shieldTimer), std::pair(120, 121));
    runFrames(2);
    EXPECT_EQ(teams[0].home, (Vector2{2, 5}));
    EXPECT_EQ(teams[1].home, (Vector2{3, 3}));
}

TEST_F(ShrinkingArena, SwitchedOffOrForbiddenShrinkingLaysNoWall)
{
    // Switched off, the warning still ends.
    gameOptions.arenaShrinks = false;
    auto p = addPlayer(0, {3, 3});
    p->ghost = true;
    p->shieldTimer = 121;
    startGame();
    runToCrawlers();
    EXPECT_EQ(game->shrinkPhase, 2);
    EXPECT_EQ(p->shieldTimer, 121);
    runFrames(200);
    EXPECT_EQ(game->shrinkPhase, 2);
    EXPECT_TRUE(game->shrinkCrawlers.empty());
    EXPECT_EQ(rows()[1], "#.....#");
    EXPECT_FALSE(game->isArenaFullyShrunk());

    // A round that forbids shrinking never leaves the warning.
    gameOptions.arenaShrinks = true;
    startGame();
    game->shrinkAllowed = false;
    runFrames(2000);
    EXPECT_EQ(std::pair(game->shrinkPhase, game->shrinkTimer), std::pair(1, 0));
}

TEST_F(ShrinkingArena, FullyShrunkNeedsACrawlerInTheMiddleRowBetweenWalls)
{
    makeArena({"#####", "#####", "#.#.#", "#####", "#####"});
    startGame();
    // Without crawlers an arena is never fully shrunk.
    game->shrinkPhase = 3;
    EXPECT_FALSE(game->isArenaFullyShrunk());
    game->shrinkCrawlers = {{1, 2, 0, 1}};
    EXPECT_TRUE(game->isArenaFullyShrunk());
    game->shrinkPhase = 1;
    EXPECT_FALSE(game->isArenaFullyShrunk());
    game->shrinkPhase = 2;
    game->shrinkCrawlers = {{1, 1, 0, 1}};
    EXPECT_FALSE(game->isArenaFullyShrunk());
    grid.at(1, 3) = Square::Empty;
    game->shrinkCrawlers = {{1, 2, 0, 1}};
    EXPECT_FALSE(game->isArenaFullyShrunk());
}

}
