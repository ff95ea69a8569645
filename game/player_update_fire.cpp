#include "frame/game_ids.h"
#include "frame/lookup_tables.h"
#include "game/bomb.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/player_update_steps.h"
#include "game/round_state.h"
#include "media/sound.h"

namespace {

int multiplier()
{
    return gameOptions.updateRateMultiplier;
}

int normalFuse(const Player& p)
{
    return (p.fastIgnition ? 40 : 90) * multiplier();
}

// The short fuse of a waiting special bomb or a rocket with its delay option.
int shortFuse()
{
    return 3 * multiplier();
}

void placeBomb(Player& owner, Vector2 cell, int state, int fuse)
{
    Bomb& bomb = bombGrid.at(cell);
    bomb = Bomb{};
    bomb.owner = owner.shared_from_this();
    bomb.state = state;
    bomb.fuse = fuse;
    busyCells.mark(cell);
}

// A remote-control or detonator bomb: a press lays one, the next press (or
// releasing fire, with that option) lets it burn down as a normal bomb.
void fireSpecialBomb(Player& p, Vector2 cell)
{
    if (p.firePressUsed)
        return;
    if (p.specialBombOut) {
        if (!gameOptions.releaseFireEndsRemote) {
            p.specialBombOut = false;
            p.releaseBombs(false);
        }
        return;
    }
    const bool remote = p.bombType == BombType::RemoteControl;
    const int fuse = remote && !gameOptions.remoteControlDelay ? normalFuse(p) : shortFuse();
    placeBomb(p, cell, remote ? BombState::RemoteControl : BombState::Detonator, fuse);
    p.specialBombOut = true;
    if (remote) {
        p.remoteBombCell = cell;
        p.remoteBombStepTimer = 10 * multiplier();
    }
}

void fireFlamethrower(Player& p, Game& game, Vector2 cell)
{
    if (p.flameTick == 10)
        playSound(SoundId::Fire, 200, 128, 3000);
    --p.flameTick;
    if (p.flameTick < 1)
        p.flameTick = 10;
    game.addFlameLine(cell, facingStep(p.facing), p.shared_from_this());
}

void fireRocket(Player& p, Vector2 cell)
{
    if (bombGrid.at(cell).isLive() || p.bombsOut >= p.bombCapacity)
        return;
    if (p.rocketCooldown <= 47 - 3 * p.bombCapacity)
        return;
    p.rocketCooldown = 0;
    placeBomb(p, cell, BombState::Moving, gameOptions.rocketDelay ? shortFuse() : normalFuse(p));
    Bomb& rocket = bombGrid.at(cell);
    rocket.direction = p.facing;
    rocket.moveCounter = 0;
    ++p.bombsOut;
}

// Holding fire lays a bomb on each new cell while capacity lasts.
void layBomb(Player& p, Vector2 cell)
{
    if (bombGrid.at(cell).isLive() || powerupGrid.at(cell) != 0 || p.bombsOut >= p.bombCapacity ||
        p.specialBombOut)
        return;
    placeBomb(p, cell, BombState::Normal, normalFuse(p));
    ++p.bombsOut;
}

void releaseFire(Player& p)
{
    p.firePressUsed = false;
    p.fireBlocked = false;
    p.fireLatched = false;
    p.flameTick = 10;
    if (gameOptions.releaseFireEndsRemote && p.specialBombOut) {
        p.specialBombOut = false;
        p.releaseBombs(false);
    }
}

}

void PlayerUpdate::updateFire(Player& p, Game& game, bool fire)
{
    ++p.rocketCooldown;
    if (!fire) {
        releaseFire(p);
        return;
    }
    if (p.held || p.fireLatched || p.isSnake())
        return;
    const Vector2 cell = p.centreCell();
    if (p.ghost) {
        // A ghost on open floor takes form again; that press lays nothing.
        if (grid.at(cell) == Square::Empty) {
            p.ghost = false;
            p.fireBlocked = true;
        }
        p.firePressUsed = true;
    }
    if (!p.fireBlocked) {
        switch (p.bombType) {
        case BombType::RemoteControl:
        case BombType::Detonator: fireSpecialBomb(p, cell); break;
        case BombType::Flamethrower: fireFlamethrower(p, game, cell); break;
        case BombType::RocketLauncher: fireRocket(p, cell); break;
        case BombType::Bomb: layBomb(p, cell); break;
        default: break;
        }
    }
    p.firePressUsed = true;
}
