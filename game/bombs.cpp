#include "frame/game_ids.h"
#include "frame/lookup_tables.h"
#include "game/arena.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"
#include "media/sound.h"

// Bombs burn their fuses, rockets fly, and bombs whose fuse has run out go off.

namespace {

// From this version on a moving bomb steps at most once per frame.
constexpr int oneStepPerFrameVersion = 0x5f00f;

// A block falling apart shows its next stage; the last stage leaves floor.
void advanceCrumbling(int& kind)
{
    if (kind >= Square::Crumbling && kind < Square::CrumblingEnd) {
        ++kind;
        if (kind == Square::CrumblingEnd)
            kind = Square::Empty;
    } else if (kind >= Square::ToughCrumbling && kind < Square::ToughCrumblingEnd) {
        ++kind;
        if (kind == Square::ToughCrumblingEnd)
            kind = Square::Empty;
    }
}

// A moving bomb goes on into `to` only when nothing lies or stands there.
bool canMoveInto(Vector2 to, const std::shared_ptr<Player>& owner)
{
    return !bombGrid.at(to).isLive() && grid.at(to) == Square::Empty && powerupGrid.at(to) == 0 &&
           !isPlayerOnCell(to.x, to.y, owner) &&
           !squareMatchesMask(to, CellMask::Anything, owner);
}

}

void Game::updateBombs()
{
    const int mult = gameOptions.updateRateMultiplier;
    const int lastX = grid_squares_x - 2;
    const int lastY = grid_squares_y - 2;
    for (int x = 1; x <= lastX; ++x) {
        for (int y = 1; y <= lastY; ++y)
            bombGrid.get(x, y).movedThisPass = false;
    }

    for (int x = 1; x <= lastX; ++x) {
        for (int y = 1; y <= lastY; ++y) {
            Bomb& bomb = bombGrid.get(x, y);
            // The owner is locked once; a bomb whose owner has left the game is dropped.
            if (std::shared_ptr<Player> owner = bomb.liveOwner()) {
                if (grid.get(x, y) == Square::OuterWall) {
                    // A wall of the shrinking arena came down on it: it goes off now.
                    bomb.fuse = 0;
                    bomb.state = BombState::Normal;
                    owner->specialBombOut = false;
                }
                if (bomb.state != BombState::Moving) {
                    const bool waiting = bomb.state != BombState::Normal && owner->specialBombOut;
                    if (!waiting) {
                        const int oldFuse = bomb.fuse--;
                        if (oldFuse < 1) {
                            playSound(SoundId::Explosion1, 255, 128, 1000);
                            // Special bombs were never counted in, so this may go below zero.
                            --owner->bombsOut;
                            explodeAt({x, y}, owner);
                            bomb.owner.reset();
                        }
                    }
                } else if (!bomb.movedThisPass ||
                           playingOlderThan(replayData, oneStepPerFrameVersion)) {
                    if (++bomb.moveCounter >= mult * 3) {
                        const Vector2 to = Vector2{x, y} + facingStep(bomb.direction);
                        if (canMoveInto(to, owner)) {
                            Bomb& next = bombGrid.at(to);
                            next.owner = bomb.owner;
                            next.fuse = bomb.fuse;
                            next.state = bomb.state;
                            next.direction = bomb.direction;
                            next.moveCounter = 0;
                            next.movedThisPass = true;
                            bomb.owner.reset();
                        } else {
                            bomb.state = BombState::Normal;
                        }
                    }
                }
            } else {
                bomb.owner.reset();
            }
            advanceCrumbling(grid.get(x, y));
        }
    }
}
