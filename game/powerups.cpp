#include "game/game.h"

// Weighted powerup draws.
int Game::randomPowerupType(bool)
{
    return 0;
}

int Game::auctionQuantity(int) const
{
    return 1;
}

void incrementRandomness(Game&) {}

std::function<void(Game&)> randomnessPauseScreen;
