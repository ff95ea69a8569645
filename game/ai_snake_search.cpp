#include <fmt/format.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "game/ai_snake_search.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/snake_search.h"
#include "game/snake_search_board.h"
#include "platform/performance_counter.h"

// A computer snake's choice of direction: a look-ahead over every walk of the
// search depth in each way but back, under a time budget that moves the depth.

std::int64_t steadyClockNanoseconds()
{
    const std::int64_t ticks = platform::performanceCounter();
    const std::int64_t perSecond = platform::performanceFrequency();
    constexpr std::int64_t nanosecondsPerSecond = 1'000'000'000;
    // Whole seconds and the rest apart, so that no product overflows.
    return ticks / perSecond * nanosecondsPerSecond + ticks % perSecond * nanosecondsPerSecond / perSecond;
}

std::function<std::int64_t()> snakeSearchClock = steadyClockNanoseconds;

namespace {

constexpr int minSearchDepth = 8;
constexpr int maxSearchDepth = 15;
constexpr int maxSearchDepthWithGridBlocks = 22;
// Decisions this fast (whole milliseconds) deepen the search, this slow cut it.
constexpr int fastDecisionMs = 2;
constexpr int slowDecisionMs = 7;
// Equal scores may be settled at random only between directions with many walks.
constexpr int randomTieMinDepth = 9;
constexpr std::int64_t randomTieMinWalks = 12000;
constexpr double randomTieShare = 0.9;

int depthCut(int ms)
{
    if (ms > 16)
        return 8;
    if (ms > 12)
        return 4;
    if (ms > 10)
        return 3;
    if (ms > 8)
        return 2;
    return 1;
}

void adaptSearchDepth(int ms, bool gridBlocks)
{
    int& depth = gameOptions.aiSearchDepth;
    if (ms >= slowDecisionMs && depth > minSearchDepth) {
        const int cut = depthCut(ms);
        depth = std::max(depth - cut, minSearchDepth);
        logStdString(fmt::format("DEPTH DOWN {} {}\n", cut, depth));
    } else if (ms <= fastDecisionMs &&
               depth < (gridBlocks ? maxSearchDepthWithGridBlocks : maxSearchDepth)) {
        ++depth;
        logStdString(fmt::format("DEPTH UP!!! {}\n", depth));
    }
}

}

void Player::aiSnakeControlChoice(int& xDir, int& yDir)
{
    const std::int64_t start = snakeSearchClock();
    const bool gridBlocks = gameOptions.resolvedGridBlocks.value();
    const int depth = gameOptions.aiSearchDepth;
    const Vector2 head = centreCell();
    const int growBonus = snakeLength < gameOptions.aiSnakeTargetLength ? 2 : 1;

    std::vector<Vector2> offsets;
    std::vector<Vector2> cells;
    const Facing back = Facing((int(facing) + 2) % 4);
    for (const FacingStep& way : directionTable) {
        if (way.facing == back)
            continue;
        offsets.push_back(way.step);
        cells.push_back(head + way.step);
    }
    const auto self = shared_from_this();
    const SnakeSearchBoard board({head}, growBonus, self.get(), currentGame);
    const std::vector<CheckDirectionResult> results =
        checkDirections(board, cells, depth, 0, SearchSpread::AllCores);

    Vector2 choice{1, 0};
    CheckDirectionResult best{INT_MIN, 0};
    const bool randomTies = !gridBlocks && depth >= randomTieMinDepth;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const CheckDirectionResult& r = results[i];
        const bool better =
            r.score > best.score || (r.score == best.score && r.pathCount > best.pathCount);
        if (better || (randomTies && r.score == best.score && r.pathCount > randomTieMinWalks &&
                       double(float(r.pathCount)) > randomTieShare * double(best.pathCount) &&
                       std::rand() % 2 == 0)) {
            best = r;
            choice = offsets[i];
        }
    }

    const std::int64_t elapsed = snakeSearchClock() - start;
    adaptSearchDepth(int(std::min<std::int64_t>(elapsed / 1000000, INT_MAX)), gridBlocks);
    xDir = choice.x;
    yDir = choice.y;
}
