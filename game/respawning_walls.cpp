#include "game/game.h"

// Blocks come back when too few remain.
void Game::updateRespawningWalls() {}

bool Game::canRespawnWallAt(Vector2) const
{
    return false;
}
