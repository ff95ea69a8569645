#pragma once
#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

// How walls grow back during a round; one record per game mode.
struct RespawningWallsSettings {
    bool enabled = false;
    int interval = 0;          // frames between respawn checks
    int startLimit = 0;        // compared while respawning is idle
    int stopLimit = 0;         // compared while respawning is active
    int minimumFreeCells = 0;
};

// Which modes the Everything mode combines.
struct EverythingModes {
    bool ctf = true;
    bool battleRoyale = true;
    bool kingOfTheHill = true;
    bool snakeHunter = true;
    bool respawning = true;
};

inline constexpr int gameModeCount = 7;
inline constexpr int powerupTypeCount = 22;

// The "Auto" value of each option that has one.
inline constexpr int autoArenaSize = 0;
inline constexpr int autoShrinkStyle = 0;
inline constexpr int autoShrinkSpeed = 6;
inline constexpr int autoTimeBeforeShrinking = 4;
inline constexpr int autoGridBlocks = 0;
inline constexpr int autoDensity = 21;
inline constexpr int autoSnakeTiming = 0;

// Every setting of a game. Options set to Auto are turned into the resolved
// values at the end by chooseAutoGameOptions before each round of a new game.
struct GameOptions {
    int arenaSize = autoArenaSize;                        // 0 Auto, 1..13 arena size id
    int shrinkStyle = autoShrinkStyle;                    // 0 Auto, 1..3
    int shrinkSpeed = autoShrinkSpeed;                    // 0..5, 6 Auto
    int timeBeforeShrinking = autoTimeBeforeShrinking;    // 0..3, 4 Auto
    int gridBlocks = 1;                                   // 0 Auto, 1 off, 2 on
    int wallDensity = autoDensity;                        // 0..20 (times 5 percent), 21 Auto
    int powerupDensity = autoDensity;                     // 0..20 (times 5 percent), 21 Auto
    int auctions = 2;                                     // 0 none, 1..3 frequency
    int aiSnakeCount = 0;                                 // 0 Auto
    int maxAISnakesAtOnce = 0;                            // 0 Auto
    int aiSnakePreparationTime = autoSnakeTiming;         // 0 Auto, 1..5
    int aiSnakeSpawnInterval = autoSnakeTiming;           // 0 Auto, 1..5
    std::array<RespawningWallsSettings, gameModeCount> respawningWalls{
        RespawningWallsSettings{},
        RespawningWallsSettings{},
        RespawningWallsSettings{},
        RespawningWallsSettings{},
        RespawningWallsSettings{true, 10, 10, 50, 100},
        RespawningWallsSettings{},
        RespawningWallsSettings{true, 10, 10, 50, 100}};
    std::array<bool, powerupTypeCount> powerupsDisabled{};
    int randomness = 0;                                   // 0..2
    int randomnessIncrease = 1;
    int winsNeeded = 5;
    int numPlayers = 2;
    int quickStartPlayers = 0;
    bool bombPickupEndsRemote = true;
    bool arenaShrinks = true;
    int initialPlayerSpeed = 2;
    int maxPlayerSpeed = 6;
    int snailSeconds = 8;
    bool releaseFireEndsRemote = false;
    bool remoteControlDelay = true;
    bool rocketDelay = true;
    bool startAsSnake = false;
    bool startWithShield = false;
    int respawnTime = 10;
    int updateRateMultiplier = 1;                         // 1, or 2 at 120 and 144
    int updateRate = 60;
    int gameMode = 0;                                     // 0..6
    EverythingModes everythingModes;
    int killPoints = 1;
    int aiSnakeHurtPoints = 1;
    int aiSnakeKillPoints = 5;
    int flagCapturePoints = 20;
    bool ctfCentreFlag = false;
    int aiSnakeSpeed = 0;                                 // 1..10, 0 automatic
    bool aiSnakesRespawnPlayers = true;
    bool aiSnakeStun = true;
    int aiSnakeStartLength = 12;
    int aiSnakeTargetLength = 12;
    int majorStunTime = 180;
    int minorStunTime = 120;
    int aiSnakeAggressiveness = 0;                        // -1..2
    int aiSearchDepth = 15;
    // Cash stays in the blocks even when neither auctions nor loot boxes can
    // use it. No menu sets it and replays do not store it.
    bool keepCashInPlay = false;

    // The current round's values.
    std::optional<int> resolvedArenaSize;
    std::optional<int> resolvedShrinkSpeed;               // frames per shrink step
    std::optional<int> resolvedTimeBeforeShrinking;       // frames
    std::optional<int> resolvedShrinkStyle;
    std::optional<bool> resolvedGridBlocks;
    std::optional<int> resolvedWallDensity;               // percent
    std::optional<int> resolvedPowerupDensity;            // percent
    std::optional<int> resolvedAuctionInterval;           // frames, 0 none
    int resolvedSnakeSpawnInterval = -999;                // frames
    int resolvedSnakePreparationTime = -999;              // frames
    int resolvedAISnakeCount = -999;
    int resolvedMaxAISnakesAtOnce = -999;
    RespawningWallsSettings resolvedRespawningWalls;
};

extern GameOptions gameOptions;

// The level options' random engine (default seed), shared with the randomness
// increase and the trophy room. Never reseeded.
extern std::mt19937 levelRng;

// 2 at the fast rates (120 and 144 updates per second), else 1: every
// duration the rules count in updates is scaled by it.
int updateRateMultiplierFor(int rate);

// Capture the Flag, Battle Royale, King of the Hill and Everything play in teams.
bool isTeamMode(int mode);

// The first option that lies outside its list of values, as "name value", or an
// empty text when every option is usable. Checks the choices the menus offer,
// the game mode and update rate, and the resolved values present.
std::string findInvalidGameOption(const GameOptions& options);

// Puts every menu choice that lies outside its list back to its default and
// returns a "name value" text per change. Values inside their lists are kept.
std::vector<std::string> resetInvalidGameOptions(GameOptions& options);
