#include <algorithm>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "frame/settings.h"
#include "game/arena.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "game/snake_body.h"
#include "media/sound.h"

// The snake form: becoming a snake and human again, the step and the body.

void Player::becomeSnake()
{
    playSound(SoundId::Snake, 255, 128, 1000);
    snakeLength = isAI ? gameOptions.aiSnakeStartLength : 4;
    shielded = false;
}

void Player::becomeHuman()
{
    if (diagnosticMode)
        log("%d: becomeHuman\n", num);
    playSound(SoundId::Wimbaah, 200, 128, 2000);
    dropSnakeSegments(0);
    vacateSnakeCells();
    snakeBody.clear();
    headTrail.clear();
    snakeLength = 0;
    if (isAI) {
        die();
        return;
    }
    // Dazed for a while, and shielded while it lasts.
    const int m = gameOptions.updateRateMultiplier;
    held = true;
    walkFrame = 1;
    facing = Facing::Right;
    shielded = true;
    holdTimer = 240 * m;
    shieldTimer = 120 * m;
}

void Player::dropSnakeSegments(int firstSegment)
{
    const int count = int(snakeBody.size());
    for (int i = std::max(firstSegment, 0), k = 0; i < count; ++i, ++k) {
        const SnakePart& part = snakeBody[std::size_t(i)];
        const SpriteState sprite = getSpriteState(std::nullopt, Facing(std::get<2>(part)));
        flyingSprites.push_back(makeFlyingSprite(sprite, std::get<0>(part), std::get<1>(part), 0.2f,
                                                 float(1 + 8 * k), 2 * k));
    }
}

void Player::vacateSnakeCells()
{
    // Only what the body put on the grid comes off it: a body left over from
    // a round on another arena finds nothing of its own there.
    for (const SnakePart& part : snakeBody) {
        const Vector2 cell = pixelCentreToCell(std::get<0>(part), std::get<1>(part));
        if (snakeOccupancy.contains(cell) && snakeOccupancy.get(cell.x, cell.y) > 0)
            --snakeOccupancy.get(cell.x, cell.y);
    }
}

void Player::occupySnakeCells()
{
    for (const SnakePart& part : snakeBody)
        ++snakeOccupancy.at(pixelCentreToCell(std::get<0>(part), std::get<1>(part)));
}

namespace {

// Old replays step their snakes 4 pixels once per update and look 4 pixels ahead.
constexpr int oldStep = 4;

// Walls, other snakes' heads and every snake's body stop a turn.
bool blocksTurn(Vector2 cell, const std::shared_ptr<Player>& self)
{
    return squareMatchesMask(cell, CellMask::WallsAndSnakes, self);
}

bool onCellLine(const Player& p, Vector2 dir)
{
    return dir.x != 0 ? p.x % cellSize == 0 : p.y % cellSize == 0;
}

// The cell holding the pixel `reach` beyond the middle of the head's leading edge.
Vector2 cellAhead(const Player& p, Vector2 dir, int reach)
{
    if (dir.x > 0)
        return pixelToCell(p.x + cellSize - 1 + reach, p.y + 16);
    if (dir.x < 0)
        return pixelToCell(p.x - reach, p.y + 16);
    if (dir.y < 0)
        return pixelToCell(p.x + 16, p.y - reach);
    return pixelToCell(p.x + 16, p.y + cellSize - 1 + reach);
}

// At a cell line: a sideways input turns the snake when the cell that way is
// free (reversing is ignored). Then, when every way but back is blocked, the
// snake is trapped: it becomes human (a computer snake dies) and true comes back.
bool turnOrTrap(Player& p, const std::shared_ptr<Player>& self, int xDir, int yDir, Vector2& dir)
{
    const Vector2 centre = p.centreCell();
    if ((xDir != 0 || yDir != 0) && xDir != dir.x && yDir != dir.y &&
        !blocksTurn(centre + Vector2{xDir, yDir}, self)) {
        dir = {xDir, yDir};
        p.facing = facingOfStep(xDir, yDir);
    }
    const Facing back = Facing((int(p.facing) + 2) % 4);
    for (const FacingStep& way : directionTable) {
        if (way.facing != back && !blocksTurn(centre + way.step, self))
            return false;
    }
    p.becomeHuman();
    return true;
}

// Moves the head `step` pixels on, unless a wall is ahead (then a head between
// cell lines settles onto its centre cell's line) or, at a cell line, a snake's
// head or body is ahead.
void moveHead(Player& p, const std::shared_ptr<Player>& self, Vector2 dir, Vector2 centre, int step,
              int reach)
{
    const Vector2 ahead = cellAhead(p, dir, reach);
    const bool onLine = onCellLine(p, dir);
    int& along = dir.x != 0 ? p.x : p.y;
    if (squareMatchesMask(ahead, CellMask::Walls, self)) {
        if (!onLine)
            along = moveTowards(along, (dir.x != 0 ? centre.x : centre.y) * cellSize, step);
        return;
    }
    if (onLine && squareMatchesMask(ahead, CellMask::SnakeAny, self))
        return;
    along += step * (dir.x + dir.y);
}

// A head that has reached its cell line eats the block in the cell: the block
// and what it hid are gone and the snake grows by one.
void eatBlock(Player& p, Vector2 dir, Vector2 centre)
{
    if (!onCellLine(p, dir) || !isBlock(grid.at(centre)))
        return;
    grid.at(centre) = Square::Empty;
    powerupGrid.at(centre) = 0;
    ++p.snakeLength;
}

void requireLength(const Player& p, const PackagedReplayData& replay)
{
    if (p.snakeLength <= 0)
        failReplayCheck(replay, "snakeLength > 0", 1389);
}

}

void Player::updateSnake(int xDir, int yDir, const PackagedReplayData& replay,
                         const RecordInput& recordInput)
{
    const auto self = shared_from_this();
    const int steps = stepSize(replay);
    bool chosen = false;
    for (int step = 0; step < steps; ++step) {
        // A snake trapped, killed or cut to nothing in this update moves no further.
        if (step > 0 && (dead || snakeLength <= 0))
            return;
        if (headTrail.empty() || headTrail.back() != Vector2{x, y})
            headTrail.push_back({x, y});
        Vector2 dir = facingStep(facing);
        const Vector2 centre = centreCell();
        if (onCellLine(*this, dir)) {
            if (isAI && !replay.playing && !chosen) {
                aiSnakeControlChoice(xDir, yDir);
                recordInput(xDir, yDir, false, false);
                chosen = true;
            }
            if (turnOrTrap(*this, self, xDir, yDir, dir))
                return;
        }
        requireLength(*this, replay);
        moveHead(*this, self, dir, centre, 1, 1);
        eatBlock(*this, dir, centre);
        facing = facingOfStep(dir.x, dir.y);
        vacateSnakeCells();
        layBodyAlongTrail(headTrail, snakeLength, facing, snakeBody);
        occupySnakeCells();
    }
}

void Player::updateSnakeBody(int xDir, int yDir)
{
    const auto self = shared_from_this();
    x -= x % oldStep;
    y -= y % oldStep;
    headTrail.push_back({x, y});
    Vector2 dir = facingStep(facing);
    const Vector2 centre = centreCell();
    if (onCellLine(*this, dir) && turnOrTrap(*this, self, xDir, yDir, dir))
        return;
    static const PackagedReplayData noReplay;
    requireLength(*this, game ? game->replayData : noReplay);
    moveHead(*this, self, dir, centre, oldStep, oldStep);
    eatBlock(*this, dir, centre);
    facing = facingOfStep(dir.x, dir.y);
    vacateSnakeCells();
    layBodyByPathLength(headTrail, snakeLength, facing, snakeBody);
    occupySnakeCells();
}
