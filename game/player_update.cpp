#include "game/game.h"
#include "game/player.h"
#include "game/replay_data.h"

// A first form of the player's update: the controls move a living human.
// Recording, replays, bombs, flags, pickups and the verify text come with the
// full update.
void Player::update(const PackagedReplayData& replay, Game* game_, bool)
{
    game = game_;
    if (dead || isSnake() || !controls || !controls->isActive())
        return;
    const int xDir = controls->left() ? -1 : controls->right() ? 1 : 0;
    const int yDir = controls->up() ? -1 : controls->down() ? 1 : 0;
    const int dy = xDir != 0 ? 0 : yDir;
    bool steered = false;
    if (xDir != 0 || dy != 0)
        stepFrame(xDir, dy, steered, replay);
}
