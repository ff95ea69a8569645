#include "game/game.h"
#include "game/round_state.h"

// Start cells of the players by mode.
std::vector<Vector2> Game::getInitialPlayerPositions()
{
    return std::vector<Vector2>(player.size(), Vector2{1, 1});
}
