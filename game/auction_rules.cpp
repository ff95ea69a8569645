#include "game/game.h"

// Auctions start, take bids and close here.
void Game::updateAuction() {}
