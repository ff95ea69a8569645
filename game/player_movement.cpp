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

// A remote-control bomb of the player's waits on the arena for steering.
bool remoteBombWaiting(const Player& p)
{
    return p.bombType == BombType::RemoteControl && p.specialBombOut &&
           bombGrid.at(p.remoteBombCell).state == BombState::RemoteControl;
}

// The waiting remote-control bomb takes the input instead of the player: it
// moves one cell every so often, into empty floor only.
void steerRemoteBomb(Player& p, Vector2 step, bool& steered)
{
    const int m = gameOptions.updateRateMultiplier;
    const bool alreadySteered = steered;
    steered = true;
    if (p.remoteBombStepTimer >= 1 && !alreadySteered)
        --p.remoteBombStepTimer;
    if (p.remoteBombStepTimer != 0)
        return;
    const Vector2 target = p.remoteBombCell + step;
    if (hasLiveBomb(target) || grid.at(target) != Square::Empty || powerupGrid.at(target) != 0)
        return;
    vacateBombRecord(bombGrid.at(p.remoteBombCell));
    Bomb& bomb = bombGrid.at(target);
    bomb.owner = p.weak_from_this();
    bomb.state = BombState::RemoteControl;
    busyCells.mark(target);
    bomb.fuse = gameOptions.remoteControlDelay ? 3 * m : freshFuse(p);
    p.remoteBombStepTimer = 10 * m;
    p.remoteBombCell = target;
}

// The walk animation runs with the distance walked; a held player only shuffles.
void advanceWalkFrame(Player& p, int stepSize)
{
    p.walkTimer -= stepSize;
    if (p.walkTimer < 1) {
        p.walkTimer = 10;
        p.walkFrame += p.walkFrameStep;
        if (p.walkFrame > 6 || (p.held && p.walkFrame >= 3))
            p.walkFrame = 1;
    }
}

// A step into an open cell, drawn towards the middle of the lane across it.
void walkInto(Player& p, Vector2 step, int stepSize)
{
    const Vector2 centre = p.centreCell();
    const int offX = (p.x + 16) % 32;
    const int offY = (p.y + 16) % 32;
    const bool horizontal = step.x != 0;
    p.x += stepSize * step.x;
    p.y += stepSize * step.y;
    if (horizontal && offY != 16)
        p.y = moveTowards(p.y, centre.y * 32, stepSize);
    if (!horizontal && offX != 16)
        p.x = moveTowards(p.x, centre.x * 32, stepSize);
}

// With strength, the block or resting bomb ahead moves on a cell when the cell
// beyond can take it. True when something was pushed.
bool pushAhead(Player& p, Vector2 target, Vector2 step, const PackagedReplayData& replay)
{
    const Vector2 beyond = target + step;
    if (isBlock(grid.at(target))) {
        if (!canReceivePush(beyond))
            return false;
        pushBlock(p, target, beyond, replay);
        return true;
    }
    Bomb& bomb = bombGrid.at(target);
    if (!bomb.isLive() || (bomb.state != BombState::Normal && bomb.state != BombState::Detonator) ||
        !canReceivePush(beyond))
        return false;
    playSound(SoundId::Slide, 200, 128, 1000);
    bombGrid.at(beyond) = bomb;
    busyCells.mark(beyond);
    vacateBombRecord(bomb);
    return true;
}

// Blocked at the cell's edge off the middle of its lane: slide sideways round
// the corner when the way round is open.
void slideRoundCorner(Player& p, Vector2 target, bool horizontal, int stepSize)
{
    const Vector2 centre = p.centreCell();
    const int offAcross = horizontal ? (p.y + 16) % 32 : (p.x + 16) % 32;
    if (offAcross == 16)
        return;
    const int side = offAcross < 16 ? -1 : 1;
    const Vector2 diagonal = horizontal ? target + Vector2{0, side} : target + Vector2{side, 0};
    if (grid.at(diagonal) != Square::Empty || hasLiveBomb(diagonal))
        return;
    const Vector2 topLeft{p.x / 32, p.y / 32};
    const bool topLeftOpen = (grid.at(topLeft) == Square::Empty && !hasLiveBomb(topLeft)) ||
                             topLeft == centre || (p.ghost && grid.at(topLeft) != Square::OuterWall);
    if (!topLeftOpen)
        return;
    if (horizontal)
        p.y += side * stepSize;
    else
        p.x += side * stepSize;
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
    const int s = stepSize(replay);
    if (remoteBombWaiting(*this)) {
        steerRemoteBomb(*this, {dx, dy}, steered);
        return;
    }
    if (!held || dy == 0)
        facing = facingOfStep(dx, dy);
    advanceWalkFrame(*this, s);

    const Vector2 target{(x + 16 + 32 * dx) / 32, (y + 16 + 32 * dy) / 32};
    if (isFreeCell(target) || (ghost && grid.at(target) != Square::OuterWall)) {
        walkInto(*this, {dx, dy}, s);
        return;
    }
    // Blocked: first up to the cell's edge along the way.
    const bool horizontal = dx != 0;
    int& along = horizontal ? x : y;
    if (along % 32 != 0) {
        const Vector2 centre = centreCell();
        along = moveTowards(along, (horizontal ? centre.x : centre.y) * 32, s);
        return;
    }
    if (strength && pushAhead(*this, target, {dx, dy}, replay))
        return;
    slideRoundCorner(*this, target, horizontal, s);
}
