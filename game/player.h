#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "controls/controls.h"
#include "frame/facing.h"
#include "frame/vector2.h"
#include "game/flying_sprite.h"
#include "game/snake_part.h"
#include "game/sprite_state.h"
#include "media/player_look.h"

class Game;
struct PackagedReplayData;

// Writes one frame's input record of a player (xDir, yDir, fire, button2) when
// the round is recorded; handed to the snake step so a computer snake's choice
// is recorded where it is made.
using RecordInput = std::function<void(int, int, bool, bool)>;

// One participant of a game: a human at a keyboard layout or controller, or a
// computer-controlled snake. Players live in the global `player` list from
// round to round of one game and are always held by shared pointer; bombs,
// flags and teams refer to them weakly.
class Player : public std::enable_shared_from_this<Player> {
public:
    Player(int num, int coins, int team, const PlayerLook& look, std::shared_ptr<Controls> controls);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Round and stats resets, respawn cell, list position, special bombs.
    void resetForRound(bool firstRound);
    void resetStats();
    Vector2 homeSquare() const;
    int indexInPlayerList() const;
    void releaseBombs(bool rearm);
    Vector2 drawPosition() const;
    int shieldLook() const;
    void giveShield();

    // One update of this player: input, movement, bombs, flags, pickups, bids,
    // respawn, and its lines of the verify text.
    void update(const PackagedReplayData& replay, Game* game, bool preview);

    // Movement.
    int stepSize(const PackagedReplayData& replay) const;
    void stepFrame(int dx, int dy, bool& steered, const PackagedReplayData& replay);

    // Powerups.
    bool canTakeBonus() const;
    void checkBonusAtGridSquare();
    void collectBonus(int powerup);

    // Hits, death and kill credit.
    void hit(int cause, const PackagedReplayData& replay, std::shared_ptr<Player> attacker);
    void die();
    void awardKillScore(const std::shared_ptr<Player>& victim, bool hurt);

    // Snake form.
    void becomeSnake();
    void becomeHuman();
    void updateSnake(int xDir, int yDir, const PackagedReplayData& replay, const RecordInput& recordInput);
    void updateSnakeBody(int xDir, int yDir);
    void dropSnakeSegments(int firstSegment);
    void vacateSnakeCells();
    void occupySnakeCells();

    // A computer snake's choice of direction at a cell line.
    void aiSnakeControlChoice(int& xDir, int& yDir);

    // What the player looks like now (or in another frame or facing).
    SpriteState getSpriteState(std::optional<int> frame, std::optional<Facing> facing) const;

    // Drawing: every player of the list onto the screen bitmap (drawing library).
    static void draw();

    // The centre cell: the cell under the middle of the player's 32x32 box.
    Vector2 centreCell() const;
    bool isSnake() const { return snakeLength > 0; }

    Game* game = nullptr;
    int num = 0;
    int x = 0;
    int y = 0;
    bool dead = false;
    int bombsOut = 0;
    int bombCapacity = 0;
    int range = 0;
    int speed = 0;
    Facing facing = Facing::Down;
    int walkFrame = 0;
    int walkTimer = 0;
    int walkFrameStep = 0;
    PlayerLook look;
    int rocketCooldown = 0;
    int flameTick = 0;
    int bombType = 0;              // 0 bomb, 1 rocket launcher, 2 flamethrower, 3 remote control, 4 detonator
    bool ultraBomb = false;
    bool specialBombOut = false;
    bool firePressUsed = false;
    bool fireBlocked = false;
    bool fireLatched = false;
    bool button2WasDown = false;
    bool changeSkinWasDown = false;
    bool changeColourWasDown = false;
    Vector2 remoteBombCell;
    int remoteBombStepTimer = 0;
    bool shielded = false;
    bool ghost = false;
    int shieldTimer = 0;           // 120 x multiplier + 1: armed, not yet counting
    int slowTimer = 0;
    int minorStunTimer = 0;
    bool strength = false;
    bool fastIgnition = false;
    bool annihilator = false;
    int stopTimer = 0;
    int respawnTimer = 0;
    Vector2 startCell;
    int team = -1;
    bool held = false;
    int rescueFrames = 0;
    int coins = 0;
    int roundWins = 0;
    int kills = 0;
    int button2Flash = 0;
    int snakeLength = 0;
    std::deque<Vector2> headTrail;
    std::deque<SnakePart> snakeBody;
    int holdTimer = 0;
    bool isAI = false;
    std::vector<std::unique_ptr<FlyingSprite>> flyingSprites;
    int trailTimer = 0;
    std::shared_ptr<Controls> controls;
    std::vector<TrailPoint> trail;
};

// What fire lays.
namespace BombType {
inline constexpr int Bomb = 0;
inline constexpr int RocketLauncher = 1;
inline constexpr int Flamethrower = 2;
inline constexpr int RemoteControl = 3;
inline constexpr int Detonator = 4;
}

// True when some player other than `except`, neither dead nor a ghost, has its
// top-left pixel in the cell.
bool isPlayerOnCell(int cx, int cy, const std::shared_ptr<Player>& except);
