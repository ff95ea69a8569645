#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/round_state.h"
#include "support/round_fixture.h"

namespace {

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

    // Runs to the end of the warning: the frame on which the crawlers appear.
    void runToCrawlers() { runFrames(lastWarningFrame); }

    std::vector<std::string> rows()
    {
        std::vector<std::string> out;
        for (int y = 0; y < grid_squares_y; ++y) {
            std::string row;
            for (int x = 0; x < grid_squares_x; ++x)
                row += grid.at(x, y) == Square::OuterWall ? '#' : '.';
            out.push_back(row);
        }
        return out;
    }

    // The waiting phase takes 3 frames; the warning 500 more, and the frame on
    // which the timer reaches -500 already adds the crawlers.
    static constexpr int lastWarningFrame = 3 + 500;
};

bool sameCrawler(const ShrinkCrawler& a, const ShrinkCrawler& b)
{
    return a.x == b.x && a.y == b.y && a.dx == b.dx && a.dy == b.dy;
}

TEST_F(ShrinkingArena, WaitsWarnsForFiveHundredFramesThenCrawls)
{
    for (int multiplier : {1, 2}) {
        // The warning is not scaled by the update-rate multiplier.
        gameOptions.updateRateMultiplier = multiplier;
        makeArena(7, 7);
        startGame();
        runFrames(2);
        EXPECT_EQ(game->shrinkPhase, 0);
        runFrames(1);
        EXPECT_EQ(game->shrinkPhase, 1);
        EXPECT_EQ(game->shrinkTimer, 0);
        runFrames(lastWarningFrame - 1 - 3);
        EXPECT_EQ(game->shrinkPhase, 1);
        EXPECT_EQ(game->shrinkTimer, -499);
        EXPECT_TRUE(game->shrinkCrawlers.empty());
        runFrames(1);
        EXPECT_EQ(game->shrinkPhase, 2);
        EXPECT_EQ(game->shrinkTimer, -500);
        EXPECT_EQ(game->shrinkCrawlers.size(), 1u);
        EXPECT_EQ(game->shrinkStepTimer, 2);
    }
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
    const std::vector<std::string> untouched{"#######", "#.....#", "#.....#", "#.....#",
                                             "#.....#", "#.....#", "#######"};
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

TEST_F(ShrinkingArena, OneCrawlerSpiralsInwardUntilTheArenaIsClosed)
{
    gameOptions.resolvedShrinkStyle = 1;
    startGame();
    runToCrawlers();
    // 25 floor cells, one every 2 frames from the second frame of shrinking.
    runFrames(1 + 24 * 2);
    EXPECT_EQ(game->shrinkPhase, 2);
    EXPECT_EQ(rows(), (std::vector<std::string>{"#######", "#######", "#######", "###.###", "#######",
                                                 "#######", "#######"}));
    // With only the middle cell left, the arena already counts as closed.
    EXPECT_TRUE(game->isArenaFullyShrunk());
    runFrames(1);
    EXPECT_EQ(game->shrinkPhase, 3);
    EXPECT_EQ(rows(), std::vector<std::string>(7, "#######"));
    // The crawler is kept on the last cell it laid, in the middle row.
    EXPECT_EQ(game->shrinkCrawlers[0].x, 3);
    EXPECT_EQ(game->shrinkCrawlers[0].y, 3);
    EXPECT_TRUE(game->isArenaFullyShrunk());

    runFrames(100);
    EXPECT_EQ(game->shrinkPhase, 3);
}

TEST_F(ShrinkingArena, FourCrawlersCloseTheArenaTogether)
{
    gameOptions.resolvedShrinkStyle = 3;
    startGame();
    runToCrawlers();
    int frames = 0;
    while (game->shrinkPhase == 2 && frames < 100) {
        runFrames(1);
        ++frames;
    }
    EXPECT_EQ(game->shrinkPhase, 3);
    EXPECT_EQ(rows(), std::vector<std::string>(7, "#######"));
    // A step every 2 frames: the outer ring takes four, the inner ring two,
    // the middle cell the seventh.
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
    EXPECT_EQ(game->shrinkCrawlers[0].y, 1);
    EXPECT_EQ(game->shrinkCrawlers[1].y, 3);
}

TEST_F(ShrinkingArena, ACrawlerPushesATeamHomeInward)
{
    teams.emplace_back(Vector2{1, 5}, Vector2{1, 0});
    teams.emplace_back(Vector2{3, 3}, Vector2{0, 1});
    gameOptions.resolvedShrinkStyle = 3;
    startGame();
    runToCrawlers();
    runFrames(2);
    EXPECT_EQ(teams[0].home, (Vector2{2, 5}));
    EXPECT_EQ(teams[1].home, (Vector2{3, 3}));
}

TEST_F(ShrinkingArena, AGhostsShieldStartsToRunOutWhenTheCrawlersAppear)
{
    auto p = addPlayer(0, {3, 3});
    p->ghost = true;
    p->shieldTimer = 121;
    auto q = addPlayer(1, {2, 3});
    q->shielded = true;
    q->shieldTimer = 121;
    startGame();
    runToCrawlers();
    // Armed timers wait at 121; the ghost's now counts down, the shield's waits.
    EXPECT_EQ(p->shieldTimer, 120);
    EXPECT_EQ(q->shieldTimer, 121);
}

TEST_F(ShrinkingArena, WithShrinkingSwitchedOffTheWarningEndsButNoWallIsLaid)
{
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
}

TEST_F(ShrinkingArena, NeverLeavesTheWarningWhenTheRoundForbidsShrinking)
{
    startGame();
    game->shrinkAllowed = false;
    runFrames(2000);
    EXPECT_EQ(game->shrinkPhase, 1);
    EXPECT_EQ(game->shrinkTimer, 0);
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
