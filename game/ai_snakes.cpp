#include <fmt/format.h>

#include <ios>
#include <limits>

#include "controls/no_controls.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "frame/screen_size.h"
#include "game/ai_snakes.h"
#include "game/arena.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/replay_records.h"
#include "game/round_state.h"
#include "game/team.h"
#include "game/toast.h"

// Computer snakes join the round here.

namespace {

// Replays older than these keep the earlier rules.
constexpr int spawnSearchVersion = 0x5f012;       // before: at the arena centre
constexpr int spawnFacingVersion = 0x5f014;       // before: the constructor's facing
constexpr int speedRecordVersion = 0x5f017;       // before: no speed byte
constexpr int manySamplesVersion = 0x60007;       // before: 50 samples
constexpr int spawnDangerVersion = 0x60008;       // before: no danger test

constexpr int spawnSamples = 150;
constexpr int oldSpawnSamples = 50;
constexpr float spawnDangerRadius = 3.0f;
constexpr int snakeTeam = 1;
constexpr int automaticSpeed = 3;
constexpr int fastAutomaticSpeed = 4;
constexpr int fastHumanSpeed = 5;

int livingComputerSnakes()
{
    int count = 0;
    for (const auto& p : player) {
        if (p && p->isAI && !p->dead)
            ++count;
    }
    return count;
}

// Automatic speed: a little faster when the humans are fast.
int automaticSnakeSpeed()
{
    int humans = 0;
    int total = 0;
    int fastest = std::numeric_limits<int>::min();
    for (const auto& p : player) {
        if (!p || p->isAI)
            continue;
        const int s = p->dead ? gameOptions.initialPlayerSpeed : p->speed;
        ++humans;
        total += s;
        fastest = std::max(fastest, s);
    }
    // The mean is at least 5 exactly when the total is at least 5 per human.
    if (humans > 0 && (total >= fastHumanSpeed * humans || fastest == gameOptions.maxPlayerSpeed))
        return fastAutomaticSpeed;
    return automaticSpeed;
}

bool wallAt(Vector2 cell)
{
    return squareMatchesMask(cell, CellMask::Walls, nullptr);
}

// A new snake keeps its facing unless a wall is ahead; then it takes the first
// free way of the direction table, or keeps its facing when there is none.
void faceAwayFromWall(Player& snake, Vector2 cell)
{
    if (!wallAt(cell + facingStep(snake.facing)))
        return;
    for (const FacingStep& way : directionTable) {
        if (!wallAt(cell + way.step)) {
            snake.facing = way.facing;
            return;
        }
    }
}

}

float aiSnakeSpawnScore(const Game& game, Vector2 cell)
{
    if (squareMatchesMask(cell, CellMask::WallsAndSnakes, nullptr))
        return 0;
    if (isPlayerOnCell(cell.x, cell.y, nullptr))
        return 0;
    if (!playingOlderThanOrUnversioned(game.replayData, spawnDangerVersion) &&
        (game.isCrawlerNear(cell, spawnDangerRadius) || game.isFlameNear(cell, spawnDangerRadius) ||
         game.isBombNear(cell, spawnDangerRadius)))
        return 0;
    return squaredDistanceToNearestLivingPlayer(cell);
}

std::shared_ptr<Player> makeAiSnakePlayer(int number, Vector2 cell,
                                          std::optional<int> replayVersion)
{
    grid.at(cell) = Square::Empty;
    std::vector<PlayerLook> humanLooks;
    for (const auto& p : player) {
        if (p && !p->isAI)
            humanLooks.push_back(p->look);
    }
    auto controls = std::make_shared<NoControls>();
    auto snake = std::make_shared<Player>(number, 0, -1, randomUnusedPlayerLook(humanLooks), controls);
    snake->x = cell.x * cellSize;
    snake->y = cell.y * cellSize;
    snake->isAI = true;
    snake->speed = gameOptions.aiSnakeSpeed != 0 ? gameOptions.aiSnakeSpeed : automaticSnakeSpeed();
    if (!(replayVersion && *replayVersion < spawnFacingVersion))
        faceAwayFromWall(*snake, cell);
    snake->becomeSnake();
    return snake;
}

std::optional<Vector2> Game::getAISnakeSpawnPos()
{
    if (playingOlderThan(replayData, spawnSearchVersion))
        return Vector2{grid_squares_x / 2, grid_squares_y / 2};
    const int samples = playingOlderThan(replayData, manySamplesVersion) ? oldSpawnSamples : spawnSamples;
    return findRandomCellInRect({1, 1}, {grid_squares_x - 2, grid_squares_y - 2},
                                [this](const Vector2& c) { return aiSnakeSpawnScore(*this, c); },
                                samples);
}

void Game::updateAISnakes(bool* replayEnded)
{
    if (aiSnakesToSpawn < 1)
        return;
    if (livingComputerSnakes() >= gameOptions.resolvedMaxAISnakesAtOnce)
        return;
    // Once the replay has ended, nothing more comes out of it this frame.
    if (replayData.playing && replayEndSeen)
        return;
    --aiSpawnTimer;
    if (aiSpawnTimer > 0)
        return;

    log("Make AI snake\n");
    const std::optional<Vector2> cell = getAISnakeSpawnPos();
    if (!cell)
        return;
    logOptionalVector(cell);

    auto snake = makeAiSnakePlayer(nextAiPlayerNumber, *cell, replayData.replayInputVersion);
    ++nextAiPlayerNumber;
    player.push_back(snake);
    if (gameOptions.gameMode != GameMode::Everything) {
        if (Team* team = teamAt(snakeTeam))
            team->addPlayer(snake);
    }
    addToast(std::make_unique<TimedToast>(
        fmt::format("{} snake{} remaining!", aiSnakesToSpawn, aiSnakesToSpawn == 1 ? "" : "s"),
        float(screenWidth) * 0.5f, float(screenHeight) * 0.5f, 0.0f, -1.0f, 1000, ToastFont::Large));

    if (replayData.playing) {
        if (!playingOlderThan(replayData, speedRecordVersion)) {
            try {
                snake->speed = readSnakeSpeedRecord(replayData);
                if (snake->speed < 1 || snake->speed > 10)
                    failRecordCheck(replayData, "player.back()->speed > 0 && player.back()->speed < 11",
                                    1320);
            } catch (const std::ios_base::failure&) {
                if (!replayInputAtEnd())
                    throw;
                endReplayQuietly("read AI snake speed");
                if (replayEnded)
                    *replayEnded = true;
            }
        }
    } else if (replayData.recording) {
        writeSnakeSpeedRecord(replayData, snake->speed);
    }

    aiSpawnTimer = gameOptions.resolvedSnakeSpawnInterval;
    --aiSnakesToSpawn;
}
