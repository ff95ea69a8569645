#include "game/player.h"

// Every player of the list, drawn onto the screen bitmap.
void Player::draw() {}
