#include "game/player.h"
#include "game/replay_data.h"

// Hits: shields, capture, snake shortening and death, with kill credit.
void Player::hit(int, const PackagedReplayData&, std::shared_ptr<Player>)
{
    die();
}

void Player::die()
{
    dead = true;
}

void Player::awardKillScore(const std::shared_ptr<Player>&, bool) {}
