#include "game/game.h"

// Bombs burn their fuses, move and explode here; flames spread and break blocks.
void Game::updateBombs() {}
void Game::updateExplosions() {}
void Game::explodeAt(Vector2, const std::shared_ptr<Player>&) {}
void Game::addFlameLine(Vector2, Vector2, const std::shared_ptr<Player>&) {}
