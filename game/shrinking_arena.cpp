#include <vector>

#include "frame/game_ids.h"
#include "frame/range_map.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/sound.h"

namespace {

// The warning phase lasts until the shrink timer reaches this (frames, not
// scaled by the update-rate multiplier).
inline constexpr int warningEnd = -500;

// Where the crawlers of a shrink style start, in the order they are added.
std::vector<ShrinkCrawler> crawlersForStyle(int style, int w, int h)
{
    switch (style) {
    case 1:
        return {{1, 1, 1, 0}};
    case 2:
        return {{w - 2, h - 2, -1, 0}, {1, 1, 1, 0}};
    case 3:
        return {{1, h - 2, 0, -1}, {w - 2, 1, 0, 1}, {w - 2, h - 2, -1, 0}, {1, 1, 1, 0}};
    default:
        return {};
    }
}

bool isOuterWall(int x, int y)
{
    return grid.contains(x, y) && grid.get(x, y) == Square::OuterWall;
}

}

CrawlerStep nextCrawlerStep(const ShrinkCrawler& c)
{
    CrawlerStep step{c.x + c.dx, c.y + c.dy, c.dx, c.dy, false};
    if (isOuterWall(step.x, step.y)) {
        // Turn clockwise on screen (y grows downward).
        step.dx = -c.dy;
        step.dy = c.dx;
        step.x = c.x + step.dx;
        step.y = c.y + step.dy;
        step.turned = true;
    }
    return step;
}

bool Game::isArenaFullyShrunk() const
{
    if (shrinkPhase < 2 || shrinkCrawlers.empty())
        return false;
    const ShrinkCrawler& first = shrinkCrawlers.front();
    return first.y == grid_squares_y / 2 && isOuterWall(first.x, first.y - 1) &&
           isOuterWall(first.x, first.y + 1);
}

// Step 8 of the frame: waiting, a warning, then crawlers close the arena from
// the edge inward, one cell each per step.
void Game::updateShrinkingArena()
{
    switch (shrinkPhase) {
    case 0:
        if (--shrinkTimer <= 0)
            shrinkPhase = 1;
        break;
    case 1:
        if (!shrinkAllowed)
            break;
        if (--shrinkTimer > warningEnd)
            break;
        if (gameOptions.arenaShrinks) {
            for (const auto& p : player) {
                if (p && p->ghost)
                    --p->shieldTimer;
            }
            shrinkStepTimer = gameOptions.resolvedShrinkSpeed.value();
            for (const ShrinkCrawler& c :
                 crawlersForStyle(gameOptions.resolvedShrinkStyle.value(), grid_squares_x, grid_squares_y))
                shrinkCrawlers.push_back(c);
        }
        shrinkPhase = 2;
        break;
    case 2: {
        if (!gameOptions.arenaShrinks)
            break;
        if (--shrinkStepTimer > 0)
            break;
        const int w = grid_squares_x;
        const float panX = shrinkCrawlers.empty() ? float(w / 2) : float(shrinkCrawlers.front().x);
        playSound(SoundId::Splurge, 200 / 3, int(mapRange(panX, 0, float(w), 0, 255)), 3000);
        // Every crawler lays its cell, even when an earlier one of this step
        // has closed the arena.
        for (ShrinkCrawler& c : shrinkCrawlers) {
            grid.at(c.x, c.y) = Square::OuterWall;
            for (Team& team : teams) {
                if (team.home == Vector2{c.x, c.y})
                    team.home = team.home + team.inwardStep;
            }
            shrinkStepTimer = gameOptions.resolvedShrinkSpeed.value();
            const CrawlerStep step = nextCrawlerStep(c);
            c = {step.x, step.y, step.dx, step.dy};
            if (step.turned && isOuterWall(c.x, c.y)) {
                shrinkPhase = 3;
                c.y -= c.dy;
            }
        }
        break;
    }
    default:
        break;
    }
}
