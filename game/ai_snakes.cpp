#include "game/game.h"

// Computer snakes join the round here.
void Game::updateAISnakes(bool*) {}

std::optional<Vector2> Game::getAISnakeSpawnPos()
{
    return std::nullopt;
}
