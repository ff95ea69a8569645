#pragma once
#include <exception>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "frame/vector2.h"
#include "game/auction.h"
#include "game/flag.h"
#include "game/flame.h"
#include "game/replay_data.h"
#include "game/round_results.h"
#include "game/shrink_crawler.h"
#include "game/toast.h"
#include "media/bitmap_wrapper.h"

class Music;
class Player;
struct Team;

// What the drawing keeps for one round (cached square strips); made and used
// by the drawing library only.
struct ArenaDrawCache;

// A score of a cell for the cell searches: higher is better.
using CellScore = std::function<float(const Vector2&)>;

// The state of one round that no player owns. Players, teams and the arena
// layers are globals (round_state.h). One Game is built per round; the global
// `currentGame` points to it while it exists.
class Game {
public:
    class PlayerPositionSetupError : public std::exception {
    public:
        const char* what() const noexcept override;
    };

    Game(bool unused, const PackagedReplayData& replayData);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // One game frame, in the fixed order of the rules.
    void update(bool& roundOver, bool& replayEnded, const std::shared_ptr<Music>& music);
    // True when the replay has simply run out (the frame runs nothing); sets
    // `replayEnded` also when the next byte is the end byte (the frame still runs).
    bool peekReplayEnd(const PackagedReplayData& replay, bool& replayEnded);
    void updatePlayers(bool& replayEnded);
    void updateKingOfTheHill();
    void updateFlags();
    bool isRoundOver();
    // Dead players that are not computer snakes.
    int countDeadPlayers() const;

    // Cell searches and presence tests.
    std::optional<Vector2> findBestCellInRect(Vector2 from, Vector2 to, const CellScore& score) const;
    std::optional<Vector2> findRandomCellInRect(Vector2 from, Vector2 to, const CellScore& score,
                                                int samples);
    bool hasBombAt(Vector2 cell) const;
    bool hasFlameAt(Vector2 cell) const;
    bool isCrawlerAt(Vector2 cell) const;
    bool isCrawlerAtOrNext(Vector2 cell) const;
    bool isBombNear(Vector2 cell, float r) const;
    bool isFlameNear(Vector2 cell, float r) const;
    bool isCrawlerNear(Vector2 cell, float r) const;

    // Bombs and flames.
    void updateBombs();
    void updateExplosions();
    void explodeAt(Vector2 cell, const std::shared_ptr<Player>& owner);
    void addFlameLine(Vector2 cell, Vector2 step, const std::shared_ptr<Player>& owner);

    // Deaths.
    void checkPlayerDeaths();

    // The shrinking arena and respawning walls.
    void updateShrinkingArena();
    void updateRespawningWalls();
    bool isArenaFullyShrunk() const;
    bool canRespawnWallAt(Vector2 cell) const;

    // Powerups and auctions.
    int randomPowerupType(bool auction);
    int auctionQuantity(int powerup) const;
    void updateAuction();

    // Teams.
    void killTeamsWithNoFreeMember();

    // Start cells of the players, indexed like `player`.
    std::vector<Vector2> getInitialPlayerPositions();

    // Computer snakes.
    void updateAISnakes(bool* replayEnded);
    std::optional<Vector2> getAISnakeSpawnPos();

    // Toasts.
    void addToast(std::unique_ptr<Toast> toast);
    void addScoreToast(int amount, const std::shared_ptr<Player>& scorer, int teamIndex);
    void updateToasts();

    // The end of the replay, seen in this frame or before: from then on no
    // rule reads the replay. A record cut short by the end of the file ends the
    // replay quietly through endReplayQuietly, which logs "EOF (<where>)".
    bool replayEndSeen = false;
    void endReplayQuietly(const char* where);
    // The frame in which the replay input ran out before its end byte, if it
    // did: the round ended quietly, but the file is not a whole replay.
    std::optional<int> replayCutAtFrame;
    // True once a player's read has taken the end byte from the replay input;
    // an end byte only peeked at is still there to be read.
    bool replayEndByteRead = false;
    // True when an `std::ios_base::failure` just caught came from the end of
    // the replay input while playing (a quiet end), false for any other failure.
    bool replayInputAtEnd() const;

    // Who won the round.
    RoundWinners getRoundWinners() const;

    // Drawing (drawing library).
    void draw(bool joinPreview);
    void drawToasts();
    void makeHillTileBitmaps();

    struct HillArea {
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;   // cells, both corners inclusive
        bool contains(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
    };

    int shrinkPhase = 0;                 // 0 waiting, 1 warning, 2 shrinking, 3 complete
    int shrinkTimer = 0;
    int shrinkStepTimer = 0;
    std::vector<ShrinkCrawler> shrinkCrawlers;
    HillArea hillArea;
    bool shrinkAllowed = true;
    int aiSpawnTimer = -999;
    int aiSnakesToSpawn = -999;
    int nextAiPlayerNumber = 120;
    int nextFlameGroup = 0;
    std::vector<Flag> flags;
    std::mt19937 rng;
    PackagedReplayData replayData;
    int roundEndTimer = -1;
    std::vector<Flame> flames;
    std::list<std::unique_ptr<Toast>> toasts;
    // The King of the Hill tiles: five tile bitmaps and a tile choice for each
    // half cell of the hill (two per cell each way, row by row).
    std::vector<BitmapPtr> hillTileBitmaps;
    std::vector<int> hillTiles;
    int crawlerLook = 0;
    int wallRespawnTimer = 0;
    bool wallRespawnActive = false;
    std::vector<PendingWall> pendingWalls;
    std::mt19937 wallRng;
    std::unique_ptr<Auction> auction;
    int auctionTimer = 0;
    int scoreToastFrames = 90;
    std::shared_ptr<ArenaDrawCache> drawCache;
};

// The live Game while it exists.
extern Game* currentGame;

// The pause a rule starts in the middle of a round (the "Randomness up!"
// screen): the session supplies it; without one nothing is shown.
extern std::function<void(Game&)> randomnessPauseScreen;
// Gives that pause a fresh logical screen before its toast is placed on it
// (the last screen may have been a tall trophy room): the session supplies
// it; without one the screen stays as it is.
extern std::function<void()> randomnessScreenReset;
// Between rounds: the level randomness may rise, with its toast and pause.
void incrementRandomness(Game& game);

// True when no computer snake is left to spawn and none lives.
bool allAiSnakesDefeated(const Game& game);
