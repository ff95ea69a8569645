#include "frame/uniform_int.h"
#include "game/arena.h"
#include "game/game.h"
#include "game/round_state.h"

std::optional<Vector2> Game::findBestCellInRect(Vector2 from, Vector2 to, const CellScore& score) const
{
    std::optional<Vector2> best;
    float bestScore = 0;
    for (int y = from.y; y <= to.y; ++y) {
        for (int x = from.x; x <= to.x; ++x) {
            if (isSolidWall(grid.at(x, y)))
                continue;
            Vector2 cell{x, y};
            float s = score(cell);
            if (!best || s > bestScore) {
                best = cell;
                bestScore = s;
            }
        }
    }
    return best;
}

std::optional<Vector2> Game::findRandomCellInRect(Vector2 from, Vector2 to, const CellScore& score,
                                                  int samples)
{
    // A sample gives up after this many draws that all hit walls.
    constexpr int maxDraws = 1000;
    std::optional<Vector2> best;
    float bestScore = 0;
    for (int i = 0; i < samples; ++i) {
        Vector2 cell;
        int draws = 0;
        do {
            if (++draws > maxDraws)
                return std::nullopt;
            cell.x = uniformIntInclusive(rng, from.x, to.x);
            cell.y = uniformIntInclusive(rng, from.y, to.y);
        } while (isSolidWall(grid.at(cell)));
        float s = score(cell);
        if (!best || s > bestScore) {
            best = cell;
            bestScore = s;
        }
    }
    return best;
}

bool Game::hasBombAt(Vector2 cell) const
{
    return bombGrid.at(cell).isLive();
}

bool Game::hasFlameAt(Vector2 cell) const
{
    for (const Flame& f : flames) {
        if (f.x == cell.x && f.y == cell.y)
            return true;
    }
    return false;
}

bool Game::isCrawlerAt(Vector2 cell) const
{
    for (const ShrinkCrawler& c : shrinkCrawlers) {
        if (c.x == cell.x && c.y == cell.y)
            return true;
    }
    return false;
}

bool Game::isCrawlerAtOrNext(Vector2 cell) const
{
    for (const ShrinkCrawler& c : shrinkCrawlers) {
        if (c.x == cell.x && c.y == cell.y)
            return true;
        CrawlerStep next = nextCrawlerStep(c);
        if (next.x == cell.x && next.y == cell.y)
            return true;
    }
    return false;
}

namespace {

bool within(Vector2 cell, int x, int y, float r)
{
    int dx = x - cell.x;
    int dy = y - cell.y;
    return float(dx * dx + dy * dy) <= r * r;
}

}

bool Game::isBombNear(Vector2 cell, float r) const
{
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
    for (const Flame& f : flames) {
        if (within(cell, f.x, f.y, r))
            return true;
    }
    return false;
}

bool Game::isCrawlerNear(Vector2 cell, float r) const
{
    for (const ShrinkCrawler& c : shrinkCrawlers) {
        if (within(cell, c.x, c.y, r))
            return true;
    }
    return false;
}
