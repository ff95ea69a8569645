#include "game/player.h"

#include <fmt/format.h>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/screen_size.h"
#include "game/arena.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/player_body.h"
#include "media/sound.h"

Player::Player(int num_, int coins_, int team_, const PlayerLook& look_,
               std::shared_ptr<Controls> controls_)
    : num(num_), look(look_), team(team_), coins(coins_), controls(std::move(controls_))
{
    logStdString(fmt::format("New player: {}, controls: {}\n", num, controls ? controls->name() : ""));
}

Player::~Player()
{
    log("Destruct player %d\n", num);
    if (Team* t = teamAt(team))
        t->removeExpiredPlayers();
}

Vector2 Player::centreCell() const
{
    return pixelCentreToCell(x, y);
}

void Player::resetStats()
{
    const int m = gameOptions.updateRateMultiplier;
    facing = Facing::Down;
    walkFrame = 1;
    walkFrameStep = 1;
    rocketCooldown = 0;
    flameTick = 10;
    bombsOut = 0;
    bombCapacity = 1;
    walkTimer = 10 * m;
    range = 2;
    speed = gameOptions.initialPlayerSpeed;
    bombType = BombType::Bomb;
    ultraBomb = false;
    specialBombOut = false;
    firePressUsed = false;
    fireBlocked = false;
    shielded = false;
    ghost = false;
    strength = false;
    fastIgnition = false;
    annihilator = false;
    stopTimer = 0;
    slowTimer = 0;
    dead = false;
    remoteBombCell = {0, 0};
    held = false;
    rescueFrames = 0;
    snakeLength = 0;
    headTrail.clear();
    vacateSnakeCells();
    snakeBody.clear();
    holdTimer = 0;
}

void Player::resetForRound(bool)
{
    // The arena is new by now: the old body's cells are not in it.
    kills = 0;
    snakeBody.clear();
    flyingSprites.clear();
    resetStats();
    if (gameOptions.startAsSnake) {
        playSound(SoundId::Snake, 255, 128, 1000);
        snakeLength = isAI ? gameOptions.aiSnakeStartLength : 4;
        shielded = false;
        if (y > screenHeight / 2)
            facing = Facing::Up;
    }
    if (gameOptions.startWithShield)
        giveShield();
    fireLatched = true;
}

void Player::giveShield()
{
    shielded = true;
    ghost = false;
    shieldTimer = 120 * gameOptions.updateRateMultiplier + 1;
}

int Player::shieldLook() const
{
    if (!shielded || dead)
        return 0;
    const int m = gameOptions.updateRateMultiplier;
    if (shieldTimer <= 120 * m && frameCounter % (10 * m) >= 5)
        return isSnake() ? 0 : 2;
    return isSnake() ? 2 : 1;
}

namespace {

bool isWallCell(Vector2 cell)
{
    return isSolidWall(grid.at(cell));
}

// One step of `from` towards `to` along one axis.
int stepTowards(int from, int to)
{
    return from < to ? from + 1 : from > to ? from - 1 : from;
}

}

Vector2 Player::homeSquare() const
{
    Vector2 cell = startCell;
    const Team* own = teamAt(team);
    if (own && isObjectiveMode(gameOptions.gameMode)) {
        const Vector2 home = own->home;
        // Teams 0 and 1 live on the left and right edges, the others on the
        // top and bottom: jump onto the home's line, then walk along it.
        while (isWallCell(cell) && cell != home) {
            if (team <= 1) {
                cell.x = home.x;
                cell.y = stepTowards(cell.y, home.y);
            } else {
                cell.y = home.y;
                cell.x = stepTowards(cell.x, home.x);
            }
        }
        return cell;
    }
    const Vector2 middle{grid_squares_x / 2, grid_squares_y / 2};
    bool moveX = true;
    while (isWallCell(cell) && cell != middle) {
        if (moveX)
            cell.x = stepTowards(cell.x, middle.x);
        else
            cell.y = stepTowards(cell.y, middle.y);
        moveX = !moveX;
    }
    return cell;
}

int Player::indexInPlayerList() const
{
    const int count = std::min<int>(gameOptions.numPlayers, int(player.size()));
    for (int i = 0; i < count; ++i) {
        if (player[std::size_t(i)].get() == this)
            return i;
    }
    return -1;
}

void Player::releaseBombs(bool rearm)
{
    const int m = gameOptions.updateRateMultiplier;
    for (int x = 0; x < bombGrid.width(); ++x) {
        for (int y = 0; y < bombGrid.height(); ++y) {
            Bomb& bomb = bombGrid.get(x, y);
            if (bomb.liveOwner().get() != this)
                continue;
            bomb.state = BombState::Normal;
            if (rearm)
                bomb.fuse = 90 * m;
        }
    }
}

Vector2 Player::drawPosition() const
{
    return playerCarryOffset(facing, walkFrame);
}

SpriteState Player::getSpriteState(std::optional<int> frame_, std::optional<Facing> facing_) const
{
    SpriteState s;
    s.look = look;
    s.facing = facing_.value_or(facing);
    s.shield = shieldLook();
    s.frame = frame_.value_or(walkFrame);
    s.slowed = slowTimer > 0;
    s.snake = snakeLength > 0;
    s.ai = isAI;
    s.held = held;
    s.dead = dead;
    s.remoteArmed = bombType == BombType::RemoteControl && specialBombOut;
    return s;
}

bool isPlayerOnCell(int cx, int cy, const std::shared_ptr<Player>& except)
{
    for (const auto& p : player) {
        if (!p || p == except || p->dead || p->ghost)
            continue;
        int px = p->x >= 0 ? p->x / cellSize : (p->x - (cellSize - 1)) / cellSize;
        if (px == cx && p->y / cellSize == cy)
            return true;
    }
    return false;
}
