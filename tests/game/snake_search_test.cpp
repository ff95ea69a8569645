#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <random>
#include <set>
#include <thread>

#include "game/ai_snake_search.h"
#include "game/snake_search.h"
#include "game/search_workers.h"
#include "game/snake_search_board.h"
#include "support/log_capture.h"
#include "support/literal_check_direction.h"
#include "support/random_arena.h"
#include "support/round_fixture.h"

namespace {

using SnakeSearch = RoundTest;

// Every candidate way from the head of a random snake on a random arena, the
// reverse included, searched by the literal walk, by the fast search on one
// thread and by the fast search shared out over the cores.
TEST_F(SnakeSearch, FastSearchGivesTheLiteralResultsOnRandomArenas)
{
    startGame();
    std::mt19937 rng(20240611);
    const int depths[] = {0, 1, 2, 3, 4, 6, 8, 10, 12};
    int compared = 0;
    for (int arena = 0; arena < 240; ++arena) {
        RandomArenaShape shape;
        shape.gridBlocks = arena % 2 == 0;
        shape.border = arena % 5 != 0;
        shape.width = std::uniform_int_distribution<int>(5, 13)(rng);
        shape.height = std::uniform_int_distribution<int>(5, 11)(rng);
        shape.blockPercent = std::uniform_int_distribution<int>(0, 40)(rng);
        shape.humans = std::uniform_int_distribution<int>(0, 5)(rng);
        shape.snakes = std::uniform_int_distribution<int>(0, 2)(rng);
        shape.crawlers = std::uniform_int_distribution<int>(0, 2)(rng);
        auto snake = makeRandomSearchArena(rng, shape, game.get());
        gameOptions.aiSnakeAggressiveness = arena % 4 - 1;
        gameOptions.maxPlayerSpeed = 5 + arena % 3;
        const int depth = depths[std::size_t(arena) % std::size(depths)] + (shape.gridBlocks ? 3 : 0);
        const int growBonus = 1 + arena % 2;
        const int score = arena % 3;
        const Vector2 head = snake->centreCell();
        std::vector<Vector2> cells;
        for (const Vector2& offset : neighbourOffsets)
            cells.push_back(head + offset);
        const SnakeSearchBoard board({head}, growBonus, snake.get(), game.get());
        const auto shared =
            checkDirections(board, cells, depth, score, SearchSpread::AllCores, std::chrono::nanoseconds(0));
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const auto literal = literalCheckDirection(cells[c], {head}, depth, score, growBonus, snake);
            const auto fast = checkDirection(cells[c], {head}, depth, score, growBonus, snake);
            SCOPED_TRACE(::testing::Message() << "arena " << arena << " depth " << depth << " cell " << cells[c]);
            EXPECT_EQ(std::pair(fast.score, fast.pathCount), std::pair(literal.score, literal.pathCount));
            EXPECT_EQ(std::pair(shared[c].score, shared[c].pathCount), std::pair(literal.score, literal.pathCount));
            ++compared;
        }
    }
    EXPECT_EQ(compared, 960);
}


// A computer snake deciding on a small hand-made arena.
class SnakeChoice : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        gameOptions.resolvedGridBlocks = false;
        gameOptions.aiSearchDepth = 8;
    }
    void TearDown() override
    {
        snakeSearchClock = steadyClockNanoseconds;
        RoundTest::TearDown();
    }

    Vector2 choiceAt(Vector2 cell, Facing facing)
    {
        if (!game)
            startGame();
        auto snake = std::make_shared<Player>(120, 0, -1, PlayerLook{}, nullptr);
        snake->isAI = true;
        snake->x = cell.x * 32;
        snake->y = cell.y * 32;
        snake->facing = facing;
        snake->snakeLength = 12;
        player.push_back(snake);
        Vector2 choice{9, 9};
        snake->aiSnakeControlChoice(choice.x, choice.y);
        player.pop_back();
        return choice;
    }
};

TEST_F(SnakeChoice, TakesTheWayWithMoreRoomAndNeverLooksBack)
{
    makeArena({"#########", "##......#", "####.####", "#########"});
    // Left two cells, right three, up a wall; down is back.
    EXPECT_EQ(choiceAt({4, 1}, Facing::Up), (Vector2{1, 0}));

    // Facing right, the open way left is never weighed: down, up and right
    // are walls alike (-2 each), and down comes first.
    makeArena({"#####", "#..##", "#####"});
    EXPECT_EQ(choiceAt({2, 1}, Facing::Right), (Vector2{0, 1}));
    EXPECT_EQ(checkDirection({3, 1}, {{2, 1}}, 8, 0, 1, nullptr).score, -2);
    // Off the grid counts as a wall too.
    makeArena({"..", ".."});
    const auto off = checkDirection({2, 1}, {{1, 1}}, 8, 5, 1, nullptr);
    EXPECT_EQ(off.score, 3);
    EXPECT_EQ(off.pathCount, 1);
}

TEST_F(SnakeChoice, EatsWhileShortAndRoamsOnceLong)
{
    makeArena({"##########", "#BBB.....#", "####.#####", "##########"});
    // Three blocks left, four empty cells right: blocks score double while
    // the snake is shorter than its target length.
    gameOptions.aiSnakeTargetLength = 20;
    EXPECT_EQ(choiceAt({4, 1}, Facing::Up), (Vector2{-1, 0}));
    gameOptions.aiSnakeTargetLength = 12;
    EXPECT_EQ(choiceAt({4, 1}, Facing::Up), (Vector2{1, 0}));
}

TEST_F(SnakeChoice, HuntsDangerousHumansAndOthersAsAggressive)
{
    makeArena({"#########", "#...#...#", "####.####", "#########"});
    grid.at(4, 1) = Square::Empty;
    auto human = addPlayer(0, {7, 1});
    // Equal ways: the first of them in the order down, up, left, right.
    EXPECT_EQ(choiceAt({4, 1}, Facing::Up), (Vector2{-1, 0}));
    gameOptions.aiSnakeAggressiveness = 2;
    EXPECT_EQ(choiceAt({4, 1}, Facing::Up), (Vector2{1, 0}));
    gameOptions.aiSnakeAggressiveness = 0;
    human->ultraBomb = true;
    EXPECT_EQ(choiceAt({4, 1}, Facing::Up), (Vector2{1, 0}));
    // A ghost is not seen.
    human->ghost = true;
    EXPECT_EQ(choiceAt({4, 1}, Facing::Up), (Vector2{-1, 0}));
}

// The time budget, with a clock that says how long each decision took.
TEST_F(SnakeChoice, DepthFollowsTheDecisionTime)
{
    makeArena(7, 7);
    startGame();
    std::int64_t lap = 0;
    int readings = 0;
    snakeSearchClock = [&] { return (readings++ % 2) * lap; };
    struct Case {
        bool gridBlocks;
        int depth;
        std::int64_t nanoseconds;
        int after;
        std::string line;
    };
    const std::int64_t ms = 1000000;
    const Case cases[] = {
        {true, 12, 14 * ms, 8, "DEPTH DOWN 4 8"},
        {true, 8, 20 * ms, 8, ""},
        {false, 15, 3 * ms - 1, 15, ""},
        {true, 15, 3 * ms - 1, 16, "DEPTH UP!!! 16"},
        {false, 14, 2 * ms, 15, "DEPTH UP!!! 15"},
        {true, 20, 9 * ms - 1, 19, "DEPTH DOWN 1 19"},
        {true, 20, 9 * ms, 18, "DEPTH DOWN 2 18"},
        {true, 20, 17 * ms, 12, "DEPTH DOWN 8 12"},
        {false, 10, 6 * ms, 10, ""},
    };
    for (const Case& c : cases) {
        LogCapture log;
        gameOptions.resolvedGridBlocks = c.gridBlocks;
        gameOptions.aiSearchDepth = c.depth;
        lap = c.nanoseconds;
        choiceAt({3, 3}, Facing::Right);
        EXPECT_EQ(gameOptions.aiSearchDepth, c.after) << c.depth << " " << c.nanoseconds;
        std::vector<std::string> depthLines, expected;
        for (const std::string& line : log.lines())
            if (line.rfind("DEPTH", 0) == 0)
                depthLines.push_back(line);
        if (!c.line.empty())
            expected.push_back(c.line);
        EXPECT_EQ(depthLines, expected) << c.depth << " " << c.nanoseconds;
    }

    // A round whose grid blocks are not settled cannot be searched.
    gameOptions.resolvedGridBlocks.reset();
    EXPECT_THROW(choiceAt({3, 3}, Facing::Right), std::bad_optional_access);
}

TEST(SearchWorkers, EveryJobRunsOnceAndAThrowWaitsForTheOthers)
{
    std::vector<int> runs(200, 0);
    runSearchJobs(runs.size(), [&](std::size_t i) { ++runs[i]; });
    EXPECT_EQ(std::count(runs.begin(), runs.end(), 1), 200);

    std::atomic<int> running{0};
    std::atomic<int> finished{0};
    auto job = [&](std::size_t i) {
        ++running;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        if (i == 3) {
            --running;
            throw std::runtime_error("job 3");
        }
        ++finished;
        --running;
    };
    try {
        runSearchJobs(64, job);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "job 3");
        EXPECT_EQ(running.load(), 0);
    }
    const int done = finished.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(finished.load(), done);
    EXPECT_LT(done, 63);
}

// Outside a hold a batch waits `helpAfter` before it shares; within a hold,
// once a batch has woken the threads, the later batches share at once, and
// every job still runs once. Holds nest.
TEST(SearchWorkers, WithinAHoldLaterBatchesShareAtOnce)
{
    if (searchThreadCount() < 2)
        GTEST_SKIP() << "one core";
    const auto never = std::chrono::hours(1);
    std::mutex mutex;
    std::set<std::thread::id> threads;
    std::vector<int> runs(32, 0);
    auto record = [&](std::size_t i) {
        std::lock_guard<std::mutex> lock(mutex);
        threads.insert(std::this_thread::get_id());
        ++runs[i];
    };
    runSearchJobs(runs.size(), record, never);
    EXPECT_EQ(threads.size(), 1u) << "shared before its time";

    // Job 0 waits (bounded) until another thread has taken a job.
    std::condition_variable joined;
    auto shared = [&](std::size_t i) {
        std::unique_lock<std::mutex> lock(mutex);
        threads.insert(std::this_thread::get_id());
        ++runs[i];
        joined.notify_all();
        if (i == 0)
            joined.wait_for(lock, std::chrono::seconds(20), [&] { return threads.size() > 1; });
    };
    const SearchThreadsAwake outer;
    {
        const SearchThreadsAwake inner;
        runSearchJobs(runs.size(), record, std::chrono::nanoseconds(0));   // wakes them
    }
    for (int batch = 0; batch < 3; ++batch) {
        threads.clear();
        runSearchJobs(runs.size(), shared, never);
        EXPECT_GT(threads.size(), 1u) << batch;
    }
    EXPECT_EQ(std::count(runs.begin(), runs.end(), 5), 32);
}

TEST(SearchWorkers, PathCountsSaturate)
{
    const std::int64_t most = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(addPathCounts(most - 1, 5), most);
    EXPECT_EQ(addPathCounts(most, most), most);
    EXPECT_EQ(addPathCounts(40, 2), 42);
}

}
