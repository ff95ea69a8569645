#include "game/player.h"

// A computer snake's look-ahead search for its next direction.
void Player::aiSnakeControlChoice(int& xDir, int& yDir)
{
    xDir = 1;
    yDir = 0;
}
