#include "game/game.h"

// Which players flames, walls and snakes hit this frame.
void Game::checkPlayerDeaths() {}
