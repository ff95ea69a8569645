#include "game/player.h"

// Powerups taken from the arena or won at auction.
bool Player::canTakeBonus() const
{
    return !dead && !ghost && !isSnake() && !held;
}

void Player::checkBonusAtGridSquare() {}
void Player::collectBonus(int) {}
