#include <algorithm>
#include <cstdlib>
#include <random>

#include "frame/game_ids.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/sound.h"

// Hits: shields, capture, snake shortening and death, with kill credit.

namespace {

// Before this version snakes walked through walls and pushed blocks.
constexpr int snakeWallHitVersion = 0x100000a;
// From this version on a capture also frees the captive's waiting special bombs.
constexpr int captureReleasesBombsVersion = 0x5f009;
// From this version on a flame stuns a computer snake rather than ending it.
constexpr int aiStunVersion = 0x5f010;
// From this version on the stunned computer snake is also cut short.
constexpr int aiStunAndCutVersion = 0x5f011;

// A shield that is running out: 120 updates at the base rate.
int runningShieldTime()
{
    return 120 * gameOptions.updateRateMultiplier;
}

bool isShieldArmed(int shieldTimer)
{
    return shieldTimer == runningShieldTime() + 1;
}

// The death sprite's growth: random, but never below its mean. Not replayed.
float deathSpriteScaleSpeed()
{
    static std::mt19937 engine;
    std::normal_distribution<float> speed(0.2f, 0.1f);
    return std::max(0.2f, speed(engine));
}

}

void Player::hit(int cause, const PackagedReplayData& replay, std::shared_ptr<Player> attacker)
{
    const bool wallCause = cause == DeathCause::PushedWall || cause == DeathCause::Wall;
    if (isSnake() && wallCause && playingOlderThan(replay, snakeWallHitVersion))
        return;
    if (dead)
        return;

    const int m = gameOptions.updateRateMultiplier;
    const std::shared_ptr<Player> self = shared_from_this();

    // The snake hit: the snake halves, or is too short to stay a snake.
    auto snakeHit = [&] {
        snakeLength /= 2;
        if (snakeLength >= 4) {
            dropSnakeSegments(snakeLength);
            if (isAI && attacker)
                attacker->awardKillScore(self, true);
        } else {
            becomeHuman();
            if (dead && attacker)
                attacker->awardKillScore(self, false);
        }
        shielded = true;
        shieldTimer = 120 * m;
        if (gameOptions.aiSnakeStun)
            minorStunTimer = gameOptions.minorStunTime;
    };
    // Losing the snake form at once.
    auto endSnake = [&] {
        becomeHuman();
        if (dead && attacker)
            attacker->awardKillScore(self, false);
    };

    if (shielded) {
        const bool bodyCause = cause == DeathCause::SnakeBodyHitByAppearingWall ||
                               cause == DeathCause::SnakeHeadPushedWall ||
                               cause == DeathCause::SnakeBodyPushedWall;
        if (bodyCause && isSnake())
            snakeHit();
        if (isShieldArmed(shieldTimer))
            shieldTimer = runningShieldTime();
        return;
    }

    if (!isSnake()) {
        if (isMode(GameMode::BattleRoyale) && !held) {
            // Captured: team-mates may free this player.
            held = true;
            walkFrame = 1;
            facing = Facing::Right;
            if (specialBombOut && !playingOlderThan(replay, captureReleasesBombsVersion)) {
                specialBombOut = false;
                releaseBombs(false);
            }
            shielded = true;
            shieldTimer = 120 * m;
            return;
        }
        die();
        if (attacker)
            attacker->awardKillScore(self, false);
        return;
    }

    if (isAI && cause == DeathCause::Explosion && !playingOlderThan(replay, aiStunVersion)) {
        slowTimer = gameOptions.majorStunTime;
        if (!playingOlderThan(replay, aiStunAndCutVersion))
            snakeHit();
        return;
    }
    if (cause == DeathCause::SnakeBodyHitByExplosion ||
        cause == DeathCause::SnakeBodyHitByAppearingWall ||
        cause == DeathCause::SnakeBodyPushedWall) {
        snakeHit();
        return;
    }
    endSnake();
}

void Player::die()
{
    dead = true;
    releaseBombs(false);
    if (respawnModeActive())
        respawnTimer = gameOptions.updateRateMultiplier * gameOptions.respawnTime * 60;
    playSound(SoundId::Wimbaah, 200, 128, 1000);
    vacateSnakeCells();
    snakeBody.clear();
    const SpriteState now = getSpriteState(std::nullopt, std::nullopt);
    flyingSprites.push_back(makeFlyingSpriteRandom(now, x, y, deathSpriteScaleSpeed()));
}

void Player::awardKillScore(const std::shared_ptr<Player>& victim, bool hurt)
{
    if (!victim)
        return;
    if (gameOptions.gameMode == GameMode::Everything && gameOptions.everythingModes.respawning) {
        // Kill points go to the killer's team; a killer without one gets nothing.
        Team* own = teamAt(team);
        if (!own)
            return;
        int points = 0;
        if (!victim->isAI)
            points = victim->team == team ? -gameOptions.killPoints : gameOptions.killPoints;
        else
            points = hurt ? gameOptions.aiSnakeHurtPoints : gameOptions.aiSnakeKillPoints;
        // They count for the round at once; the display follows with the toast.
        own->killScore += points;
        if (Game* round = game ? game : currentGame)
            round->addScoreToast(points, shared_from_this(), team);
        return;
    }
    kills += victim.get() == this ? -1 : 1;
}
