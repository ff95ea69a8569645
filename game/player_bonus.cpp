#include <fmt/format.h>
#include <string>

#include "frame/assertion.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/names.h"
#include "frame/settings.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "media/sound.h"

namespace {

// Replays older than this let held players take powerups and bid.
inline constexpr int heldPlayersExcludedVersion = 0x100000b;

// A shield or ghost that has not started counting down yet.
int armedShieldTime()
{
    return 120 * gameOptions.updateRateMultiplier + 1;
}

bool playingReplay(const Game* game)
{
    return game && game->replayData.playing;
}

// Every other player of the list.
template <typename Effect>
void forEachOtherPlayer(const Player& self, Effect effect)
{
    for (const auto& p : player) {
        if (p && p.get() != &self)
            effect(*p);
    }
}

void takeExtraBomb(Player& p)
{
    ++p.bombCapacity;
    // A plain bomb can end a special kind, taking back any still out.
    if (gameOptions.bombPickupEndsRemote && p.bombType != BombType::Bomb) {
        p.bombType = BombType::Bomb;
        if (p.specialBombOut) {
            p.releaseBombs(true);
            p.specialBombOut = false;
        }
    }
    playSound(SoundId::HitBass, 200, 128, 1000);
}

// Returns " (MAX)" once the top speed is reached.
std::string takeSpeed(Player& p)
{
    if (p.speed < gameOptions.maxPlayerSpeed) {
        ++p.speed;
        playSound(SoundId::Slide, 200, 128, 2000);
    } else {
        playSound(SoundId::Blart, 200, 128, 1000);
    }
    return p.speed == gameOptions.maxPlayerSpeed ? " (MAX)" : "";
}

void takeGhost(Player& p)
{
    // No walking through the closing ring.
    if (p.game && p.game->shrinkPhase == 2) {
        playSound(SoundId::Blart, 200, 128, 1000);
        return;
    }
    p.ghost = true;
    p.shieldTimer = armedShieldTime();
    p.shielded = false;
    playSound(SoundId::Plugin, 200, 128, 800);
}

// Returns the coins now held, as " (N)". Only a game played live earns loot-box points.
std::string takeCash(Player& p)
{
    ++p.coins;
    if (!playingReplay(p.game))
        ++lootboxPoints;
    playSound(SoundId::Cash2, 200, 128, 1000);
    return fmt::format(" ({})", p.coins);
}

void takeDeath(Player& p)
{
    if (!p.shielded) {
        if (diagnosticMode)
            log("%d killed by Bonus::Death\n", p.num);
        p.die();
    } else if (p.shieldTimer > 120 * gameOptions.updateRateMultiplier) {
        // The shield takes the blow and starts to run out.
        p.shieldTimer = 120 * gameOptions.updateRateMultiplier;
    }
}

// A new kind of bomb in hand, announced by its sound.
void takeBombType(Player& p, int bombType, int sound, int volume, int frequency)
{
    p.bombType = bombType;
    playSound(sound, volume, 128, frequency);
}

// The powerup's effect on the player; returns what the toast adds after its name.
std::string applyBonus(Player& p, int id)
{
    const int m = gameOptions.updateRateMultiplier;
    switch (id) {
    case PowerupType::Bomb:
        takeExtraBomb(p);
        break;
    case PowerupType::Range:
        ++p.range;
        playSound(SoundId::Plugin, 200, 128, 1000);
        break;
    case PowerupType::Speed:
        return takeSpeed(p);
    case PowerupType::Controller:
        takeBombType(p, BombType::RemoteControl, SoundId::FX012, 200, 800);
        break;
    case PowerupType::Timebomb:
        takeBombType(p, BombType::Detonator, SoundId::FX012, 200, 1000);
        break;
    case PowerupType::Ghost:
    case PowerupType::QuestionGhost:
        takeGhost(p);
        break;
    case PowerupType::Shield:
    case PowerupType::QuestionShield:
        p.giveShield();
        playSound(SoundId::CrapDing, 200, 128, 1000);
        break;
    case PowerupType::Cash:
        return takeCash(p);
    case PowerupType::Death:
        takeDeath(p);
        break;
    case PowerupType::Superman:
        p.strength = true;
        playSound(SoundId::Strength, 255, 128, 1000);
        break;
    case PowerupType::Stop:
    case PowerupType::QuestionStop:
        forEachOtherPlayer(p, [m](Player& other) { other.stopTimer = 150 * m; });
        playSound(SoundId::CrapDing, 200, 128, 500);
        break;
    case PowerupType::Snail:
        forEachOtherPlayer(p, [](Player& other) { other.slowTimer = gameOptions.snailSeconds * 60; });
        playSound(SoundId::Splurge, 200, 128, 1000);
        break;
    case PowerupType::Snake:
        p.becomeSnake();
        break;
    case PowerupType::Annhiliator:
        p.annihilator = true;
        playSound(SoundId::Pickup_Anh, 255, 128, 1000);
        break;
    case PowerupType::Flamethrower:
        takeBombType(p, BombType::Flamethrower, SoundId::Flamer, 255, 1000);
        break;
    case PowerupType::RocketLauncher:
        takeBombType(p, BombType::RocketLauncher, SoundId::Rocket, 255, 1000);
        break;
    case PowerupType::QuestionFastIgnition:
        p.fastIgnition = true;
        playSound(SoundId::CrapDing, 200, 128, 3000);
        break;
    case PowerupType::UltraBomb:
        p.ultraBomb = true;
        playSound(SoundId::Explosion1, 255, 128, 2000);
        break;
    }
    return {};
}

}

bool Player::canTakeBonus() const
{
    const bool free = !dead && !ghost && !isSnake();
    if (game && playingOlderThanOrUnversioned(game->replayData, heldPlayersExcludedVersion))
        return free;
    return free && !held;
}

void Player::checkBonusAtGridSquare()
{
    const Vector2 cell = centreCell();
    if (!grid.contains(cell))
        failAssertion("grid_x >= 0 && grid_x < grid_squares_x && grid_y >= 0 && grid_y < grid_squares_y",
                      1842);
    int& powerup = powerupGrid.at(cell);
    if (grid.at(cell) != Square::Empty || powerup == PowerupType::None)
        return;
    if (isSnake()) {
        // A snake eats whatever lies there.
        powerup = PowerupType::None;
        ++snakeLength;
        return;
    }
    if (!canTakeBonus())
        return;
    collectBonus(powerup);
    if (powerup != PowerupType::Death)
        powerup = PowerupType::None;
}

void Player::collectBonus(int id)
{
    if (!canTakeBonus() || id <= PowerupType::None || id >= PowerupType::Count)
        return;
    const std::string suffix = applyBonus(*this, id);
    if (game)
        game->addToast(makeTimedToastFromText(powerupDisplayNames[std::size_t(id)] + suffix, x + 16,
                                              y + 16, 0, -0.5f));
}
