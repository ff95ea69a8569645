// Figures of the computer snakes' look-ahead on a Huge arena (59 x 35):
// - leaves per second of the fast search on one thread, and of the literal walk
//   beside it on the same positions and depth;
// - the time of one decision at the deepest search (22 with grid blocks, 15
//   without), in percentiles, with the search spread over the cores;
// - ten snakes deciding in the same frame (the row to hold within a 60 Hz
//   frame on the open arena at depth 15), with its median;
// - the depth the time budget settles at, at 60 and at 144 updates a second.
// The positions come from a round played by ten computer snakes.
#include <fmt/format.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "frame/lookup_tables.h"
#include "frame/uniform_int.h"
#include "game/ai_snake_search.h"
#include "game/ai_snakes.h"
#include "game/arena.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "game/search_workers.h"
#include "game/snake_search.h"
#include "game/snake_search_board.h"
#include "support/literal_check_direction.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int hugeWidth = 59;
constexpr int hugeHeight = 35;
constexpr int snakeCount = 10;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time of the calling thread: what a single-threaded figure costs
// whatever else the machine is running.
double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// The arena as a new round lays it out: a kind-2 border, grid blocks on the
// even cells when asked, and 40 percent of the rest blocks (one in twelve tough).
void layHugeArena(bool gridBlocks, std::mt19937& rng)
{
    resizeArena(hugeWidth, hugeHeight);
    for (int x = 0; x < hugeWidth; ++x) {
        for (int y = 0; y < hugeHeight; ++y) {
            int& kind = grid.at(x, y);
            if (x == 0 || y == 0 || x == hugeWidth - 1 || y == hugeHeight - 1)
                kind = Square::OuterWall;
            else if (gridBlocks && x % 2 == 0 && y % 2 == 0)
                kind = Square::Wall;
            else if (uniformIntInclusive(rng, 0, 99) < 40)
                kind = uniformIntInclusive(rng, 0, 11) == 0 ? Square::ToughBlock : Square::Block;
        }
    }
}

Vector2 randomFreeCell(std::mt19937& rng)
{
    for (;;) {
        const Vector2 cell{uniformIntInclusive(rng, 1, hugeWidth - 2),
                           uniformIntInclusive(rng, 1, hugeHeight - 2)};
        if (!squareMatchesMask(cell, CellMask::Anything, nullptr))
            return cell;
    }
}

// Four humans standing about, one of them dangerous.
void addHumans(std::mt19937& rng)
{
    for (int i = 0; i < 4; ++i) {
        auto p = std::make_shared<Player>(i, 0, 0, PlayerLook{}, nullptr);
        const Vector2 cell = randomFreeCell(rng);
        p->x = cell.x * 32;
        p->y = cell.y * 32;
        p->resetStats();
        p->ultraBomb = i == 0;
        player.push_back(p);
    }
}

// A round of ten computer snakes: each frame every snake takes its step,
// deciding at its cell lines; a snake that dies is replaced.
class SnakeRound {
public:
    SnakeRound(bool gridBlocks, int updateRate, std::uint32_t seed) : rng_(seed)
    {
        resetRoundState();
        gameOptions = GameOptions{};
        gameOptions.gameMode = 4;
        gameOptions.updateRate = updateRate;
        gameOptions.updateRateMultiplier = updateRateMultiplierFor(updateRate);
        gameOptions.resolvedGridBlocks = gridBlocks;
        gameOptions.aiSearchDepth = gridBlocks ? 15 : 5;
        layHugeArena(gridBlocks, rng_);
        addHumans(rng_);
        game_ = std::make_unique<Game>(false, PackagedReplayData{});
        for (int i = 0; i < snakeCount; ++i)
            spawn();
    }
    ~SnakeRound() { snakeSearchClock = steadyClockNanoseconds; }

    // One frame; `fixedDepth` > 0 puts the depth back before every snake.
    void frame(int fixedDepth)
    {
        const RecordInput noRecord = [](int, int, bool, bool) {};
        // As the game's players update holds them.
        const SearchThreadsAwake searchThreads;
        for (auto& snake : snakes_) {
            if (snake->dead) {
                snake = nullptr;
                continue;
            }
            if (fixedDepth > 0)
                gameOptions.aiSearchDepth = fixedDepth;
            snake->game = game_.get();
            snake->updateSnake(0, 0, game_->replayData, noRecord);
        }
        std::erase(snakes_, nullptr);
        while (int(snakes_.size()) < snakeCount)
            spawn();
    }

    const std::vector<std::shared_ptr<Player>>& snakes() const { return snakes_; }

private:
    void spawn()
    {
        auto snake = makeAiSnakePlayer(nextNumber_++, randomFreeCell(rng_), std::nullopt);
        player.push_back(snake);
        snakes_.push_back(snake);
    }

    std::mt19937 rng_;
    std::unique_ptr<Game> game_;
    std::vector<std::shared_ptr<Player>> snakes_;
    int nextNumber_ = 120;
};

// Decision times, read from the clock the decisions use: two readings each.
class DecisionTimer {
public:
    DecisionTimer()
    {
        snakeSearchClock = [this] {
            const std::int64_t t = steadyClockNanoseconds();
            stamps_.push_back(t);
            return t;
        };
    }
    ~DecisionTimer() { snakeSearchClock = steadyClockNanoseconds; }

    std::vector<double> millisecondsEach() const
    {
        std::vector<double> ms;
        for (std::size_t i = 1; i < stamps_.size(); i += 2)
            ms.push_back(double(stamps_[i] - stamps_[i - 1]) / 1e6);
        return ms;
    }
    void clear() { stamps_.clear(); }

private:
    std::vector<std::int64_t> stamps_;
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t i = std::min(values.size() - 1, std::size_t(p / 100.0 * double(values.size())));
    return values[i];
}

void printPercentiles(const char* what, const std::vector<double>& ms)
{
    std::printf("  %-44s n=%5zu  p50 %6.3f  p90 %6.3f  p99 %6.3f  max %6.3f ms\n", what, ms.size(),
                percentile(ms, 50), percentile(ms, 90), percentile(ms, 99), percentile(ms, 100));
}

// The cells a snake weighs at its next decision: every way but back.
std::vector<Vector2> candidateCells(const Player& snake)
{
    const Vector2 head = snake.centreCell();
    const Facing back = Facing((int(snake.facing) + 2) % 4);
    std::vector<Vector2> cells;
    for (const FacingStep& way : directionTable) {
        if (way.facing != back)
            cells.push_back(head + way.step);
    }
    return cells;
}

// Plays frames of the round and hands over every snake that stands on a cell
// line before the frame steps it, as it is about to decide, until `count`
// have been seen.
void forEachDecision(SnakeRound& round, int count,
                     const std::function<void(const std::shared_ptr<Player>&)>& visit)
{
    int seen = 0;
    while (seen < count) {
        for (const auto& s : round.snakes()) {
            if (s->x % 32 == 0 && s->y % 32 == 0 && seen < count) {
                visit(s);
                ++seen;
            }
        }
        round.frame(8);
    }
}

struct LeafRate {
    double leaves = 0;
    double seconds = 0;      // wall time
    double cpuSeconds = 0;   // the thread's processor time
    double perSecond() const { return seconds > 0 ? leaves / seconds : 0; }
    double perCpuSecond() const { return cpuSeconds > 0 ? leaves / cpuSeconds : 0; }

    template <typename Search>
    void time(Search search)
    {
        const auto start = Clock::now();
        const double cpuStart = threadSeconds();
        leaves += search();
        cpuSeconds += threadSeconds() - cpuStart;
        seconds += secondsSince(start);
    }
};

void leavesPerSecond(bool gridBlocks)
{
    const int top = gridBlocks ? 22 : 15;
    const int shared = gridBlocks ? 15 : 10;
    const int decisions = 60;
    LeafRate fastTop, fast, literal;
    SnakeRound round(gridBlocks, 60, 7);
    forEachDecision(round, decisions, [&](const std::shared_ptr<Player>& snake) {
        const std::vector<Vector2> cells = candidateCells(*snake);
        const Vector2 head = snake->centreCell();
        auto fastSearch = [&](int depth) {
            const SnakeSearchBoard board({head}, 2, snake.get(), currentGame);
            double leaves = 0;
            for (const auto& r : checkDirections(board, cells, depth, 0, SearchSpread::OneThread))
                leaves += double(r.pathCount);
            return leaves;
        };
        fastTop.time([&] { return fastSearch(top); });
        fast.time([&] { return fastSearch(shared); });
        literal.time([&] {
            double leaves = 0;
            for (const Vector2& cell : cells)
                leaves += double(literalCheckDirection(cell, {head}, shared, 0, 2, snake).pathCount);
            return leaves;
        });
    });
    std::printf("  fast, one thread, depth %2d: %8.1f M leaves/s (%6.1f per processor second), "
                "%.0f leaves a decision\n",
                top, fastTop.perSecond() / 1e6, fastTop.perCpuSecond() / 1e6,
                fastTop.leaves / double(decisions));
    std::printf("  fast, one thread, depth %2d: %8.1f M leaves/s (%6.1f per processor second)\n", shared,
                fast.perSecond() / 1e6, fast.perCpuSecond() / 1e6);
    std::printf("  literal,          depth %2d: %8.3f M leaves/s (%6.3f per processor second); "
                "fast / literal %.0fx (%.0fx)\n",
                shared, literal.perSecond() / 1e6, literal.perCpuSecond() / 1e6,
                fast.perSecond() / literal.perSecond(), fast.perCpuSecond() / literal.perCpuSecond());
    if (fast.leaves != literal.leaves)
        std::printf("  MISMATCH: fast counted %.0f leaves, literal %.0f\n", fast.leaves, literal.leaves);
}

void decisionTimes(bool gridBlocks)
{
    const int top = gridBlocks ? 22 : 15;
    SnakeRound round(gridBlocks, 60, 11);
    for (int i = 0; i < 60; ++i)
        round.frame(8);
    {
        DecisionTimer timer;
        for (int i = 0; i < 1500; ++i)
            round.frame(top);
        printPercentiles(fmt::format("one decision at depth {}", top).c_str(), timer.millisecondsEach());
    }

    // The same searches on the calling thread alone, for comparison.
    std::vector<double> alone;
    forEachDecision(round, 300, [&](const std::shared_ptr<Player>& snake) {
        const auto start = Clock::now();
        const SnakeSearchBoard board({snake->centreCell()}, 1, snake.get(), currentGame);
        checkDirections(board, candidateCells(*snake), top, 0, SearchSpread::OneThread);
        alone.push_back(secondsSince(start) * 1e3);
    });
    printPercentiles(fmt::format("one decision at depth {}, one thread", top).c_str(), alone);

    // All ten at once, wherever they stand, the search threads kept awake
    // through the frame as the game's players update keeps them.
    std::vector<double> frames;
    for (int i = 0; i < 200; ++i) {
        round.frame(8);
        const auto start = Clock::now();
        const SearchThreadsAwake searchThreads;
        for (const auto& s : round.snakes()) {
            gameOptions.aiSearchDepth = top;
            int dx = 0, dy = 0;
            s->aiSnakeControlChoice(dx, dy);
        }
        frames.push_back(secondsSince(start) * 1e3);
    }
    printPercentiles(fmt::format("ten snakes deciding in one frame, depth {}", top).c_str(), frames);
}

void settledDepth(bool gridBlocks, int rate)
{
    SnakeRound round(gridBlocks, rate, 23);
    const int frames = 60 * rate / 4;   // a quarter of a minute of play... at the rate's speed
    std::map<int, int> seen;
    DecisionTimer timer;
    for (int i = 0; i < frames; ++i) {
        round.frame(0);
        if (i >= frames / 2)
            ++seen[gameOptions.aiSearchDepth];
    }
    std::string spread;
    for (const auto& [depth, count] : seen)
        spread += fmt::format(" {}:{}%", depth, count * 100 / (frames - frames / 2));
    const auto ms = timer.millisecondsEach();
    std::printf("  %-7s %3d Hz: depth at the end %2d; second half of the frames by depth:%s; "
                "decisions p50 %.3f p99 %.3f ms\n",
                gridBlocks ? "blocked" : "open", rate, gameOptions.aiSearchDepth, spread.c_str(),
                percentile(ms, 50), percentile(ms, 99));
}

}

// With an argument, only that part runs: "leaves", "decisions" or "depth".
int main(int argc, char** argv)
{
    const std::string only = argc > 1 ? argv[1] : "";
    std::printf("Computer snake search bench: Huge arena %dx%d, %d snakes, %d search threads, load %s\n",
                hugeWidth, hugeHeight, snakeCount, searchThreadCount(), loadAverage().c_str());
    for (bool gridBlocks : {true, false}) {
        if (only.empty() || only == "leaves" || only == "decisions")
            std::printf("%s arena:\n", gridBlocks ? "Blocked (grid blocks)" : "Open (no grid blocks)");
        if (only.empty() || only == "leaves")
            leavesPerSecond(gridBlocks);
        if (only.empty() || only == "decisions")
            decisionTimes(gridBlocks);
    }
    if (only.empty() || only == "depth") {
        std::printf("Depth the time budget settles at:\n");
        for (bool gridBlocks : {true, false}) {
            for (int rate : {60, 144})
                settledDepth(gridBlocks, rate);
        }
    }
    std::printf("Load at the end: %s\n", loadAverage().c_str());
    resetRoundState();
    return 0;
}
