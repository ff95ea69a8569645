#include <algorithm>

#include "frame/game_ids.h"
#include "frame/lookup_tables.h"
#include "game/arena.h"
#include "game/bomb.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "media/sound.h"

namespace {

// The rules of these versions changed how players move and push.
constexpr int snakeSlowVersion = 0x5f010;
constexpr int pushHitsPlayersVersion = 0x6000d;
constexpr int pushHitsSnakeBodiesVersion = 0x100000a;

bool hasLiveBomb(Vector2 cell)
{
    return bombGrid.at(cell).isLive();
}

// Free for walking: empty floor, no live bomb, no snake segment.
bool isFreeCell(Vector2 cell)
{
    return grid.at(cell) == Square::Empty && !hasLiveBomb(cell) &&
           !squareMatchesMask(cell, CellMask::SnakeBody, nullptr);
}

// A block or bomb may be pushed into empty floor with no powerup and no bomb.
bool canReceivePush(Vector2 cell)
{
    return grid.at(cell) == Square::Empty && powerupGrid.at(cell) == 0 && !hasLiveBomb(cell);
}

int freshFuse(const Player& p)
{
    const int m = gameOptions.updateRateMultiplier;
    return (p.fastIgnition ? 40 : 90) * m;
}

// The record a bomb leaves behind when it moves on: no owner and at rest. Its
// fuse and state stay as they were.
void vacateBombRecord(Bomb& bomb)
{
    bomb.owner.reset();
    bomb.moveCounter = 0;
    bomb.direction = Facing::Down;
    bomb.movedThisPass = false;
}

void hitSnakeBodyOnPushedCell(Player& pusher, Player& victim, Vector2 cell,
                              const PackagedReplayData& replay)
{
    // Each hit halves the snake and the body is rebuilt on its next step, so
    // the bound is taken afresh after every hit; the scan stops for good
    // after as many hits as the body has segments.
    auto self = pusher.shared_from_this();
    auto victimPtr = victim.shared_from_this();
    bool anyHit = false;
    const std::size_t maxHits = victim.snakeBody.size();
    for (std::size_t hits = 0; hits < maxHits; ++hits) {
        const int n = std::min<int>(victim.snakeLength, int(victim.snakeBody.size()));
        if (n < 2)
            break;
        bool found = false;
        for (int i = 1; i < n; ++i) {
            const SnakePart& part = victim.snakeBody[std::size_t(i)];
            if (pixelCentreToCell(std::get<0>(part), std::get<1>(part)) == cell) {
                found = true;
                break;
            }
        }
        if (!found)
            break;
        victim.hit(DeathCause::SnakeBodyPushedWall, replay, self);
        anyHit = true;
    }
    if (anyHit && (victim.isAI || victim.dead))
        pusher.awardKillScore(victimPtr, !victim.dead);
}

void pushBlock(Player& pusher, Vector2 from, Vector2 to, const PackagedReplayData& replay)
{
    playSound(SoundId::Slide, 200, 128, 1000);
    grid.at(to) = grid.at(from);
    powerupGrid.at(to) = powerupGrid.at(from);
    if (!playingOlderThan(replay, pushHitsPlayersVersion)) {
        auto self = pusher.shared_from_this();
        const bool snakeRules = !playingOlderThan(replay, pushHitsSnakeBodiesVersion);
        for (const auto& victim : std::vector<std::shared_ptr<Player>>(player)) {
            if (!victim || victim->dead || victim->centreCell() != to)
                continue;
            const bool wasSnake = victim->isSnake();
            victim->hit(wasSnake && snakeRules ? DeathCause::SnakeHeadPushedWall
                                               : DeathCause::PushedWall,
                        replay, self);
            if (wasSnake && snakeRules)
                hitSnakeBodyOnPushedCell(pusher, *victim, to, replay);
        }
    }
    grid.at(from) = Square::Empty;
    powerupGrid.at(from) = 0;
}

}

int Player::stepSize(const PackagedReplayData& replay) const
{
    const int m = gameOptions.updateRateMultiplier;
    if (isSnake()) {
        if (slowTimer >= 1 && !playingOlderThan(replay, snakeSlowVersion))
            return 1;
        if (!isAI)
            return std::max(1, 3 / m);
        if (minorStunTimer > 0 && gameOptions.aiSnakeStun)
            return std::max(1, 2 / m);
        return std::max(1, speed / m);
    }
    if (held)
        return 1;
    if (slowTimer > 0)
        return std::max(1, (speed / 2) / m);
    return std::max(1, speed / m);
}

void Player::stepFrame(int dx, int dy, bool& steered, const PackagedReplayData& replay)
{
    const int m = gameOptions.updateRateMultiplier;
    const int s = stepSize(replay);

    // A waiting remote-control bomb takes the input instead of the player.
    if (bombType == BombType::RemoteControl && specialBombOut &&
        bombGrid.at(remoteBombCell).state == BombState::RemoteControl) {
        const bool alreadySteered = steered;
        steered = true;
        if (remoteBombStepTimer >= 1 && !alreadySteered)
            --remoteBombStepTimer;
        if (remoteBombStepTimer != 0)
            return;
        const Vector2 target = remoteBombCell + Vector2{dx, dy};
        if (hasLiveBomb(target) || grid.at(target) != Square::Empty || powerupGrid.at(target) != 0)
            return;
        vacateBombRecord(bombGrid.at(remoteBombCell));
        Bomb& bomb = bombGrid.at(target);
        bomb.owner = weak_from_this();
        bomb.state = BombState::RemoteControl;
        busyCells.mark(target);
        bomb.fuse = gameOptions.remoteControlDelay ? 3 * m : freshFuse(*this);
        remoteBombStepTimer = 10 * m;
        remoteBombCell = target;
        return;
    }

    if (!held || dy == 0)
        facing = facingOfStep(dx, dy);

    walkTimer -= s;
    if (walkTimer < 1) {
        walkTimer = 10;
        walkFrame += walkFrameStep;
        if (walkFrame > 6 || (held && walkFrame >= 3))
            walkFrame = 1;
    }

    const Vector2 centre = centreCell();
    const Vector2 target{(x + 16 + 32 * dx) / 32, (y + 16 + 32 * dy) / 32};
    const int offX = (x + 16) % 32;
    const int offY = (y + 16) % 32;
    const bool horizontal = dx != 0;

    bool enterable = isFreeCell(target) || (ghost && grid.at(target) != Square::OuterWall);
    if (enterable) {
        x += s * dx;
        y += s * dy;
        if (horizontal && offY != 16)
            y = moveTowards(y, centre.y * 32, s);
        if (!horizontal && offX != 16)
            x = moveTowards(x, centre.x * 32, s);
        return;
    }

    int& along = horizontal ? x : y;
    if (along % 32 != 0) {
        along = moveTowards(along, (horizontal ? centre.x : centre.y) * 32, s);
        return;
    }

    if (strength) {
        const Vector2 beyond = target + Vector2{dx, dy};
        const int kind = grid.at(target);
        if (isBlock(kind)) {
            if (canReceivePush(beyond)) {
                pushBlock(*this, target, beyond, replay);
                return;
            }
        } else {
            Bomb& bomb = bombGrid.at(target);
            if (bomb.isLive() &&
                (bomb.state == BombState::Normal || bomb.state == BombState::Detonator) &&
                canReceivePush(beyond)) {
                playSound(SoundId::Slide, 200, 128, 1000);
                bombGrid.at(beyond) = bomb;
                busyCells.mark(beyond);
                vacateBombRecord(bomb);
                return;
            }
        }
    }

    // Blocked on the line: slide round the corner when the way round is open.
    const int offAcross = horizontal ? offY : offX;
    if (offAcross == 16)
        return;
    const int side = offAcross < 16 ? -1 : 1;
    const Vector2 diagonal = horizontal ? target + Vector2{0, side} : target + Vector2{side, 0};
    if (grid.at(diagonal) != Square::Empty || hasLiveBomb(diagonal))
        return;
    const Vector2 topLeft{x / 32, y / 32};
    const bool topLeftOpen = (grid.at(topLeft) == Square::Empty && !hasLiveBomb(topLeft)) ||
                             topLeft == centre || (ghost && grid.at(topLeft) != Square::OuterWall);
    if (!topLeftOpen)
        return;
    if (horizontal)
        y += side * s;
    else
        x += side * s;
}

