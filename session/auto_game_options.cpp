#include "session/auto_game_options.h"

#include <algorithm>
#include <cstdlib>
#include <fmt/format.h>
#include <map>
#include <stdexcept>
#include <vector>

#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "frame/names.h"
#include "frame/uniform_float.h"

namespace {

constexpr int snakeHunterMode = 4;
constexpr int everythingMode = 6;
// The automatic arena size stays within the ordinary sizes; the wide ones are
// only ever chosen by hand.
constexpr int largestAutoArenaSize = 8;

template <class Map>
const typename Map::mapped_type& tableEntry(const Map& table, int key)
{
    auto found = table.find(key);
    if (found == table.end())
        throw std::out_of_range("invalid map<K, T> key");
    return found->second;
}

int uniformInt(std::mt19937& rng, int lowest, int highest)
{
    return std::uniform_int_distribution<int>(lowest, highest)(rng);
}

float uniformFloat(std::mt19937& rng)
{
    return std::generate_canonical<float, 24>(rng);
}

// Modes that size their arena by the team table: the team modes and Snake Hunter.
bool sizesByTeams(int mode)
{
    return isTeamMode(mode) || mode == snakeHunterMode;
}

int baseArenaSize(int mode, int numPlayers)
{
    const auto& table = sizesByTeams(mode) ? autoArenaSizeByPlayersTeams : autoArenaSizeByPlayers;
    auto bound = table.upper_bound(numPlayers);
    return bound == table.end() ? 3 : bound->second;
}

int chooseArenaSize(const GameOptions& options, std::mt19937& rng)
{
    const int r = options.randomness;
    const int players = options.numPlayers;
    const auto& window = r >= 2 ? arenaPlayerRangeHighRandomness : arenaPlayerRangeLowRandomness;

    int size = baseArenaSize(options.gameMode, players);
    int highest = r == 0 ? 0 : isTeamMode(options.gameMode) ? r + 1 : r;
    int step = r == 0 ? 0 : uniformInt(rng, r, highest);
    for (int i = 0; i < 3; ++i) {
        size += uniformInt(rng, -r, step);
        size = std::clamp(size, 1, 7);
        // Too few players for this size: go smaller. Too many: go larger, up to
        // the largest size, which takes every count above its window as well.
        while (size > 1 && players < tableEntry(window, size).first)
            --size;
        while (size < largestAutoArenaSize && players > tableEntry(window, size).second)
            ++size;
    }

    if (size < 3 && (options.gameMode == snakeHunterMode || std::rand() % 6 > 0))
        size = 3;
    if (size > 4 && std::rand() % 6 > 0)
        size -= 1;
    return size;
}

// One resolution of the Auto options. The steps run in a fixed order, each
// drawing from the engine, from a copy of the engine as it stood at the start
// (`copy`: its draws repeat the engine's first draws) and from rand(); that
// order is what a replay's set-up depends on.
class AutoOptionsResolver {
public:
    AutoOptionsResolver(GameOptions& options, std::mt19937& rng)
        : o(options), rng(rng), r(options.randomness), mode(options.gameMode),
          snakeHunter(options.gameMode == snakeHunterMode)
    {
        copy.engine = rng;
    }

    std::string resolve()
    {
        arenaSize();
        shrinkSpeed();
        timeBeforeShrinking();
        shrinkStyle();
        gridBlocks();
        wallDensity();
        powerupDensity();
        aiSnakes();
        o.aiSearchDepth = *o.resolvedGridBlocks ? 15 : 5;
        respawningWalls();
        auctionInterval();
        return description();
    }

private:
    GameOptions& o;
    std::mt19937& rng;
    UniformFloat copy{0.0f, 1.0f};
    const int r;
    const int mode;
    const bool snakeHunter;
    int size = 0;  // the resolved arena size
    std::vector<std::string> chosen;

    void arenaSize()
    {
        size = o.arenaSize;
        if (size == autoArenaSize) {
            size = chooseArenaSize(o, rng);
            chosen.push_back(fmt::format("Size: {:<8}", arenaSizeNames[size]));
        }
        o.resolvedArenaSize = size;
    }

    // A table id moved at random, `r` times a coin toss, within 0..highest.
    int wander(int id, int highest)
    {
        for (int i = 0; i < r; ++i)
            if (uniformFloat(rng) > 0.5f)
                id = std::clamp(id + uniformInt(rng, -r, r), 0, highest);
        return id;
    }

    void shrinkSpeed()
    {
        if (o.shrinkSpeed != autoShrinkSpeed) {
            o.resolvedShrinkSpeed = tableEntry(shrinkSpeedFrames, o.shrinkSpeed);
        } else {
            const int id = wander(tableEntry(autoShrinkSpeedByArenaSize, size), 5);
            o.resolvedShrinkSpeed = tableEntry(shrinkSpeedFrames, id);
            chosen.push_back(fmt::format("SSpeed: {:<9}", shrinkSpeedNames[id]));
        }
        *o.resolvedShrinkSpeed *= o.updateRateMultiplier;
    }

    void timeBeforeShrinking()
    {
        if (o.timeBeforeShrinking != autoTimeBeforeShrinking) {
            o.resolvedTimeBeforeShrinking = tableEntry(timeBeforeShrinkingFrames, o.timeBeforeShrinking);
        } else {
            int id = tableEntry(autoTimeBeforeShrinkingByArenaSize, size);
            if (snakeHunter)
                id = size < 6 ? 3 : 2;
            else
                id = wander(id, 3);
            // A long wait before a very fast shrink is usually cut short.
            if (id >= 3 && *o.resolvedShrinkSpeed < 3 && std::rand() % 6 > 0)
                id = 2;
            o.resolvedTimeBeforeShrinking = tableEntry(timeBeforeShrinkingFrames, id);
            chosen.push_back(fmt::format("TimeBeforeS: {:<10}", shrinkDelayNames[id]));
        }
        *o.resolvedTimeBeforeShrinking *= o.updateRateMultiplier;
    }

    int randomShrinkStyle()
    {
        float score = float(r);
        if (size >= 4)
            score += 0.5f;
        if (*o.resolvedShrinkSpeed < 16)
            score += 1;
        if (*o.resolvedTimeBeforeShrinking > 5400)
            score += 1;
        if (snakeHunter)
            score += 1;
        if (r > 1 && copy() > 0.95f)
            return 3;
        return copy() * score > 0.6f ? 2 : 1;
    }

    void shrinkStyle()
    {
        if (o.shrinkStyle != autoShrinkStyle) {
            o.resolvedShrinkStyle = o.shrinkStyle;
            return;
        }
        int style;
        if (r == 0) {
            const bool mirrored = snakeHunter || o.arenaSize >= 5 ||
                                  (mode == everythingMode && o.everythingModes.snakeHunter);
            style = mirrored ? 2 : 1;
        } else {
            style = randomShrinkStyle();
        }
        o.resolvedShrinkStyle = style;
        chosen.push_back(fmt::format("SStyle: {:<10}", shrinkStyleIds[style]));
    }

    void gridBlocks()
    {
        if (o.gridBlocks != autoGridBlocks) {
            o.resolvedGridBlocks = o.gridBlocks == 2;
            return;
        }
        bool on = true;
        if (r == 1 && copy() > 0.9f)
            on = false;
        if (r == 2 && copy() > 0.7f)
            on = false;
        o.resolvedGridBlocks = on;
        chosen.push_back(fmt::format("GB: {:<6}", on));
    }

    void wallDensity()
    {
        if (o.wallDensity != autoDensity) {
            o.resolvedWallDensity = o.wallDensity * 5;
            return;
        }
        int density = 70 + (snakeHunter ? 10 : 0);
        for (int i = 0; i < r; ++i)
            density += uniformInt(rng, -5 * r, 10 * r);
        density = std::clamp(density, 0, 100);
        o.resolvedWallDensity = density;
        chosen.push_back(fmt::format("WallPb: {:<4}", density));
    }

    void powerupDensity()
    {
        if (o.powerupDensity != autoDensity) {
            o.resolvedPowerupDensity = o.powerupDensity * 5;
            return;
        }
        int density = 40 + (snakeHunter ? 10 : 0);
        for (int i = 0; i < r; ++i)
            if (copy() > 0.8f)
                density += uniformInt(rng, -5 * r, 40 * r);
        density = std::clamp(density, 0, 100);
        o.resolvedPowerupDensity = density;
        chosen.push_back(fmt::format("BonusPb: {:<4}", density));
    }

    // Computer snakes: the more players, the sooner and the more often they come.
    void aiSnakes()
    {
        const int otherPlayers = std::max(1, o.numPlayers - 1);
        const int preparation = o.aiSnakePreparationTime != autoSnakeTiming
                                    ? tableEntry(snakePreparationFrames, o.aiSnakePreparationTime)
                                    : 600 / otherPlayers;
        o.resolvedSnakePreparationTime = preparation * o.updateRateMultiplier;

        int interval;
        if (o.aiSnakeSpawnInterval != autoSnakeTiming) {
            interval = tableEntry(snakeSpawnIntervalFrames, o.aiSnakeSpawnInterval);
        } else {
            interval = 401 / otherPlayers;
            chosen.push_back(fmt::format("SnakeInterval (unmod): {:<4}", interval));
        }
        o.resolvedSnakeSpawnInterval = interval * o.updateRateMultiplier;

        if (o.aiSnakeCount != 0) {
            o.resolvedAISnakeCount = o.aiSnakeCount;
        } else {
            o.resolvedAISnakeCount = std::clamp(o.numPlayers + 3, 3, 30);
            chosen.push_back(fmt::format("nSnakes: {:<4}", o.resolvedAISnakeCount));
        }

        if (o.maxAISnakesAtOnce != 0) {
            o.resolvedMaxAISnakesAtOnce = o.maxAISnakesAtOnce;
        } else if (o.resolvedAISnakeCount > 5 && size >= 4) {
            // Many snakes in a big arena: two at a time, arriving less often.
            o.resolvedMaxAISnakesAtOnce = 2;
            if (o.aiSnakeSpawnInterval == autoSnakeTiming) {
                o.resolvedSnakeSpawnInterval *= 5;
                chosen.push_back(fmt::format("SnakeInterval (mod): {:<4}", o.resolvedSnakeSpawnInterval));
                o.resolvedSnakeSpawnInterval = std::min(o.resolvedSnakeSpawnInterval, 501);
            }
        } else {
            o.resolvedMaxAISnakesAtOnce = 1;
        }
    }

    void respawningWalls()
    {
        o.resolvedRespawningWalls = o.respawningWalls.at(mode);
        if (r < 2)
            return;
        // Now and then an open arena without walls, whose walls grow back instead.
        if (!*o.resolvedGridBlocks && copy() > 0.9f && o.wallDensity == autoDensity) {
            o.resolvedWallDensity = 0;
            o.resolvedRespawningWalls = o.respawningWalls.at(snakeHunterMode);
        }
        RespawningWallsSettings& walls = o.resolvedRespawningWalls;
        if (walls.enabled) {
            if (copy() > 0.6f) {
                walls.stopLimit *= 2;
                if (copy() > 0.6f)
                    walls.startLimit *= 2;
            }
            if (copy() > 0.6f)
                walls.interval /= 2;
        }
    }

    void auctionInterval()
    {
        switch (o.auctions) {
        case 1:
            o.resolvedAuctionInterval = uniformInt(rng, 800, 1200);
            break;
        case 2:
            o.resolvedAuctionInterval = uniformInt(rng, 1200, 2000);
            break;
        case 3:
            o.resolvedAuctionInterval = uniformInt(rng, 2000, 3000);
            break;
        default:
            o.resolvedAuctionInterval = 0;
            break;
        }
    }

    std::string description() const
    {
        std::string line;
        for (const std::string& part : chosen) {
            if (!line.empty())
                line += ' ';
            line += part;
        }
        return line;
    }
};

}

std::string resolveAutoGameOptions(GameOptions& options, std::mt19937& rng)
{
    return AutoOptionsResolver(options, rng).resolve();
}

void chooseAutoGameOptions()
{
    for (const std::string& option : resetInvalidGameOptions(gameOptions))
        logStdString("Game option out of range, using its default: " + option + "\n");
    logStdString(resolveAutoGameOptions(gameOptions, levelRng) + "\n");
}
