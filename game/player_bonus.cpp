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
    const int m = gameOptions.updateRateMultiplier;
    std::string suffix;
    switch (id) {
    case PowerupType::Bomb:
        ++bombCapacity;
        if (gameOptions.bombPickupEndsRemote && bombType != BombType::Bomb) {
            bombType = BombType::Bomb;
            if (specialBombOut) {
                releaseBombs(true);
                specialBombOut = false;
            }
        }
        playSound(SoundId::HitBass, 200, 128, 1000);
        break;
    case PowerupType::Range:
        ++range;
        playSound(SoundId::Plugin, 200, 128, 1000);
        break;
    case PowerupType::Speed:
        if (speed < gameOptions.maxPlayerSpeed) {
            ++speed;
            playSound(SoundId::Slide, 200, 128, 2000);
        } else {
            playSound(SoundId::Blart, 200, 128, 1000);
        }
        if (speed == gameOptions.maxPlayerSpeed)
            suffix = " (MAX)";
        break;
    case PowerupType::Controller:
        bombType = BombType::RemoteControl;
        playSound(SoundId::FX012, 200, 128, 800);
        break;
    case PowerupType::Timebomb:
        bombType = BombType::Detonator;
        playSound(SoundId::FX012, 200, 128, 1000);
        break;
    case PowerupType::Ghost:
    case PowerupType::QuestionGhost:
        // No walking through the closing ring.
        if (game && game->shrinkPhase == 2) {
            playSound(SoundId::Blart, 200, 128, 1000);
        } else {
            ghost = true;
            shieldTimer = armedShieldTime();
            shielded = false;
            playSound(SoundId::Plugin, 200, 128, 800);
        }
        break;
    case PowerupType::Shield:
    case PowerupType::QuestionShield:
        giveShield();
        playSound(SoundId::CrapDing, 200, 128, 1000);
        break;
    case PowerupType::Cash:
        ++coins;
        suffix = fmt::format(" ({})", coins);
        if (!playingReplay(game))
            ++lootboxPoints;
        playSound(SoundId::Cash2, 200, 128, 1000);
        break;
    case PowerupType::Death:
        if (!shielded) {
            if (diagnosticMode)
                log("%d killed by Bonus::Death\n", num);
            die();
        } else if (shieldTimer > 120 * m) {
            // The shield takes the blow and starts to run out.
            shieldTimer = 120 * m;
        }
        break;
    case PowerupType::Superman:
        strength = true;
        playSound(SoundId::Strength, 255, 128, 1000);
        break;
    case PowerupType::Stop:
    case PowerupType::QuestionStop:
        forEachOtherPlayer(*this, [m](Player& p) { p.stopTimer = 150 * m; });
        playSound(SoundId::CrapDing, 200, 128, 500);
        break;
    case PowerupType::Snail:
        forEachOtherPlayer(*this, [](Player& p) { p.slowTimer = gameOptions.snailSeconds * 60; });
        playSound(SoundId::Splurge, 200, 128, 1000);
        break;
    case PowerupType::Snake:
        becomeSnake();
        break;
    case PowerupType::Annhiliator:
        annihilator = true;
        playSound(SoundId::Pickup_Anh, 255, 128, 1000);
        break;
    case PowerupType::Flamethrower:
        bombType = BombType::Flamethrower;
        playSound(SoundId::Flamer, 255, 128, 1000);
        break;
    case PowerupType::RocketLauncher:
        bombType = BombType::RocketLauncher;
        playSound(SoundId::Rocket, 255, 128, 1000);
        break;
    case PowerupType::QuestionFastIgnition:
        fastIgnition = true;
        playSound(SoundId::CrapDing, 200, 128, 3000);
        break;
    case PowerupType::UltraBomb:
        ultraBomb = true;
        playSound(SoundId::Explosion1, 255, 128, 2000);
        break;
    }
    if (game)
        game->addToast(makeTimedToastFromText(powerupDisplayNames[std::size_t(id)] + suffix, x + 16,
                                              y + 16, 0, -0.5f));
}
