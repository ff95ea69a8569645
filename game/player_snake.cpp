#include "game/player.h"

// The snake form: becoming a snake and human again, the step and the body.
void Player::becomeSnake() {}
void Player::becomeHuman() {}
void Player::updateSnake(int, int, const PackagedReplayData&, const RecordInput&) {}
void Player::updateSnakeBody(int, int) {}
void Player::dropSnakeSegments(int) {}
void Player::vacateSnakeCells() {}
void Player::occupySnakeCells() {}
