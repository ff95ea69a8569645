#include <algorithm>

#include "frame/uniform_int.h"
#include "game/arena.h"
#include "game/game.h"
#include "game/round_state.h"

namespace {

// Keeps the first candidate and then every one that scores strictly higher.
struct BestCell {
    std::optional<Vector2> cell;
    float score = 0;

    void offer(Vector2 candidate, float candidateScore)
    {
        if (!cell || candidateScore > score) {
            cell = candidate;
            score = candidateScore;
        }
    }
};

}

std::optional<Vector2> Game::findBestCellInRect(Vector2 from, Vector2 to, const CellScore& score) const
{
    BestCell best;
    for (int y = from.y; y <= to.y; ++y) {
        for (int x = from.x; x <= to.x; ++x) {
            const Vector2 cell{x, y};
            if (!isSolidWall(grid.at(cell)))
                best.offer(cell, score(cell));
        }
    }
    return best.cell;
}

std::optional<Vector2> Game::findRandomCellInRect(Vector2 from, Vector2 to, const CellScore& score,
                                                  int samples)
{
    // A sample whose first draw and this many redraws all hit walls gives up.
    constexpr int maxRedraws = 1000;
    BestCell best;
    for (int i = 0; i < samples; ++i) {
        Vector2 cell;
        for (int redraws = 0;; ++redraws) {
            cell.x = uniformIntInclusive(rng, from.x, to.x);
            cell.y = uniformIntInclusive(rng, from.y, to.y);
            if (!isSolidWall(grid.at(cell)))
                break;
            if (redraws == maxRedraws)
                return std::nullopt;
        }
        best.offer(cell, score(cell));
    }
    return best.cell;
}

namespace {

bool isAt(Vector2 cell, int x, int y)
{
    return x == cell.x && y == cell.y;
}

bool within(Vector2 cell, int x, int y, float r)
{
    const int dx = x - cell.x;
    const int dy = y - cell.y;
    return float(dx * dx + dy * dy) <= r * r;
}

}

bool Game::hasBombAt(Vector2 cell) const
{
    return bombGrid.at(cell).isLive();
}

bool Game::hasFlameAt(Vector2 cell) const
{
    return std::ranges::any_of(flames, [&](const Flame& f) { return isAt(cell, f.x, f.y); });
}

bool Game::isCrawlerAt(Vector2 cell) const
{
    return std::ranges::any_of(shrinkCrawlers,
                               [&](const ShrinkCrawler& c) { return isAt(cell, c.x, c.y); });
}

bool Game::isCrawlerAtOrNext(Vector2 cell) const
{
    return std::ranges::any_of(shrinkCrawlers, [&](const ShrinkCrawler& c) {
        const CrawlerStep next = nextCrawlerStep(c);
        return isAt(cell, c.x, c.y) || isAt(cell, next.x, next.y);
    });
}

bool Game::isBombNear(Vector2 cell, float r) const
{
    // Bombs on the border cells do not count.
    for (int x = 1; x <= grid_squares_x - 2; ++x) {
        for (int y = 1; y <= grid_squares_y - 2; ++y) {
            if (bombGrid.at(x, y).isLive() && within(cell, x, y, r))
                return true;
        }
    }
    return false;
}

bool Game::isFlameNear(Vector2 cell, float r) const
{
    return std::ranges::any_of(flames, [&](const Flame& f) { return within(cell, f.x, f.y, r); });
}

bool Game::isCrawlerNear(Vector2 cell, float r) const
{
    return std::ranges::any_of(shrinkCrawlers,
                               [&](const ShrinkCrawler& c) { return within(cell, c.x, c.y, r); });
}
