#include <algorithm>
#include <fmt/format.h>
#include <limits>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/uniform_int.h"
#include "game/arena.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/replay_powerup.h"
#include "game/round_state.h"

namespace {

// Replay versions from which walls respawn at all, from which the cell is
// chosen by score rather than at random, and from which the score leaves out
// cells where no wall can appear.
inline constexpr int respawningWallsVersion = 0x60007;
inline constexpr int scoredRespawnCellVersion = 0x6000a;
inline constexpr int scoreExcludesBlockedCellsVersion = 0x6000b;

// A reappearing block waits this many frames (not scaled by the multiplier).
inline constexpr int pendingWallFrames = 120;

bool isPendingWall(const std::vector<PendingWall>& walls, Vector2 cell)
{
    return std::any_of(walls.begin(), walls.end(),
                       [cell](const PendingWall& w) { return w.x == cell.x && w.y == cell.y; });
}

// A pending block appears with its powerup: drawn now, or read from the
// replay that plays. A replay that has ended, or ends inside the record,
// leaves the cell as it is.
void placeRespawnedBlock(Game& game, Vector2 cell)
{
    const std::optional<int> powerup = recordedPowerup(game, PowerupRecord::Wall);
    if (!powerup)
        return;
    grid.at(cell) = Square::Block;
    powerupGrid.at(cell) = *powerup;
}

// Blocks come back as far from the players as they can, and away from the
// closing ring; 0 where no block may come back.
float respawnScore(const Game& game, Vector2 cell)
{
    if (isPendingWall(game.pendingWalls, cell))
        return 0;
    if (!playingOlderThan(game.replayData, scoreExcludesBlockedCellsVersion) && !game.canRespawnWallAt(cell))
        return 0;
    float score = squaredDistanceToNearestLivingPlayer(cell);
    // Each column of the three around the cell that touches a kind-2 wall.
    for (int x = std::max(0, cell.x - 1); x <= std::min(grid_squares_x - 1, cell.x + 1); ++x) {
        for (int y = std::max(0, cell.y - 1); y <= std::min(grid_squares_y - 1, cell.y + 1); ++y) {
            if (grid.get(x, y) == Square::OuterWall) {
                score *= 0.75f;
                break;
            }
        }
    }
    return score;
}

// The cell a new block is meant for, if any.
std::optional<Vector2> chooseRespawnCell(Game& game)
{
    const int w = grid_squares_x;
    const int h = grid_squares_y;
    if (playingOlderThanOrUnversioned(game.replayData, scoredRespawnCellVersion)) {
        const int x = uniformIntInclusive(game.wallRng, 1, w - 2);
        const int y = uniformIntInclusive(game.wallRng, 1, h - 2);
        return Vector2{x, y};
    }
    return game.findBestCellInRect({1, 1}, {w - 2, h - 2},
                                   [&game](const Vector2& cell) { return respawnScore(game, cell); });
}

}

bool Game::canRespawnWallAt(Vector2 cell) const
{
    return !squareMatchesMask(cell, CellMask::Anything, nullptr) && !getPlayerOnCell(cell, nullptr) &&
           powerupGrid.at(cell) == PowerupType::None;
}

// Step 11 of the frame: pending blocks appear, and every interval the arena
// is counted and, below a limit of blocks, one more block is set pending.
void Game::updateRespawningWalls()
{
    const RespawningWallsSettings& settings = gameOptions.resolvedRespawningWalls;
    if (!settings.enabled || playingOlderThan(replayData, respawningWallsVersion))
        return;

    for (PendingWall& wall : pendingWalls) {
        --wall.framesLeft;
        if (wall.framesLeft < 1 && canRespawnWallAt({wall.x, wall.y}))
            placeRespawnedBlock(*this, {wall.x, wall.y});
    }
    std::erase_if(pendingWalls, [](const PendingWall& w) { return w.framesLeft < 1; });

    if (--wallRespawnTimer > 0)
        return;
    wallRespawnTimer = settings.interval;

    int freeCells = 0;
    int blocks = 0;
    for (int x = 1; x <= grid_squares_x - 2; ++x) {
        for (int y = 1; y <= grid_squares_y - 2; ++y) {
            const int kind = grid.get(x, y);
            if (kind == Square::Empty)
                ++freeCells;
            else if (isBlock(kind))
                ++blocks;
        }
    }
    // Respawning starts below the start limit and goes on until the stop
    // limit is reached, while enough floor stays free.
    if (freeCells <= settings.minimumFreeCells) {
        wallRespawnActive = false;
        return;
    }
    if (wallRespawnActive && blocks >= settings.stopLimit) {
        wallRespawnActive = false;
        return;
    }
    if (!wallRespawnActive && blocks >= settings.startLimit)
        return;
    wallRespawnActive = true;

    const std::optional<Vector2> cell = chooseRespawnCell(*this);
    if (!cell)
        return;
    if (canRespawnWallAt(*cell))
        pendingWalls.push_back({cell->x, cell->y, pendingWallFrames});
    else
        logStdString(fmt::format("Couldn't respawn wall at {{{},{}}}\n", cell->x, cell->y));
}
