#include "frame/game_ids.h"
#include "frame/lookup_tables.h"
#include "game/arena.h"
#include "game/busy_cells.h"
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

bool isCrumbling(int kind)
{
    return (kind >= Square::Crumbling && kind < Square::CrumblingEnd) ||
           (kind >= Square::ToughCrumbling && kind < Square::ToughCrumblingEnd);
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
    // Only the busy cells, in the order of a pass over every inner cell, x
    // outer and y inner; a cell that becomes busy ahead of the pass (a bomb
    // moving on, a block hit by a chain reaction) is visited in this pass.
    if (busyCells.width() != grid.width() || busyCells.height() != grid.height())
        busyCells.resize(grid.width(), grid.height());
    const std::size_t height = std::size_t(busyCells.height());
    for (std::size_t i = busyCells.next(0); i != BusyCells::none; i = busyCells.next(i + 1))
        bombGrid.get(int(i / height), int(i % height)).movedThisPass = false;

    for (std::size_t i = busyCells.next(0); i != BusyCells::none; i = busyCells.next(i + 1)) {
        const int x = int(i / height);
        const int y = int(i % height);
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
                        busyCells.mark(to);
                        bomb.owner.reset();
                    } else {
                        bomb.state = BombState::Normal;
                    }
                }
            }
        } else {
            bomb.owner.reset();
        }
        int& kind = grid.get(x, y);
        advanceCrumbling(kind);
        if (!bomb.isLive() && !isCrumbling(kind)) {
            // Quiet until a bomb or a crumbling block comes back; what the
            // next pass would have reset is reset now.
            bomb.movedThisPass = false;
            busyCells.release(i);
        }
    }
}
