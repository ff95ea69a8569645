#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>

#include "frame/lookup_tables.h"
#include "session/auto_game_options.h"
#include "game/game_options.h"

namespace {

// Every option that can be automatic set so.
GameOptions allAuto(int mode, int players, int randomness)
{
    GameOptions o;
    o.gridBlocks = 0;
    o.gameMode = mode;
    o.numPlayers = players;
    o.randomness = randomness;
    return o;
}

struct Resolved {
    GameOptions options;
    std::string line;
};

// Resolves with a level engine and rand() in a known state.
Resolved resolve(GameOptions o, unsigned engineSeed = 5489, unsigned randSeed = 1)
{
    std::mt19937 rng(engineSeed);
    std::srand(randSeed);
    std::string line = resolveAutoGameOptions(o, rng);
    return {o, line};
}

int arenaSize(int mode, int players, int randomness, unsigned randSeed = 1)
{
    return *resolve(allAuto(mode, players, randomness), 5489, randSeed).options.resolvedArenaSize;
}

// Whether the first rand() after srand(seed) nudges the size: rand() % 6 > 0.
bool nudges(unsigned seed)
{
    std::srand(seed);
    return std::rand() % 6 > 0;
}

// The resolved level in the order of the options menu.
std::vector<int> levelOf(const GameOptions& o)
{
    return {*o.resolvedArenaSize, *o.resolvedShrinkSpeed, *o.resolvedTimeBeforeShrinking, *o.resolvedShrinkStyle,
            *o.resolvedWallDensity, *o.resolvedPowerupDensity, o.resolvedSnakePreparationTime,
            o.resolvedSnakeSpawnInterval, o.resolvedAISnakeCount, o.resolvedMaxAISnakesAtOnce};
}

bool within(const std::optional<int>& v, int low, int high)
{
    return v && *v >= low && *v <= high;
}

}

TEST(AutoGameOptions, ClassicTwoPlayersWithoutRandomness)
{
    // Without randomness nothing depends on the engine.
    for (unsigned seed : {5489u, 1u, 77u}) {
        Resolved r = resolve(allAuto(0, 2, 0), seed);
        const GameOptions& o = r.options;
        EXPECT_EQ(ArenaSizeTable.at(*o.resolvedArenaSize), Vector2(27, 15));
        // size, shrink speed, wait, style, walls, powerups, preparation, interval, snakes, at once
        EXPECT_EQ(levelOf(o), (std::vector{3, 16, 5400, 1, 70, 40, 600, 401, 5, 1}));
        EXPECT_EQ(o.resolvedGridBlocks, true);
        EXPECT_EQ(o.aiSearchDepth, 15);
        EXPECT_FALSE(o.resolvedRespawningWalls.enabled);
        EXPECT_TRUE(within(o.resolvedAuctionInterval, 1200, 2000));
        EXPECT_EQ(r.line, "Size: Normal   SSpeed: Normal    TimeBeforeS: Normal     SStyle: Classic    "
                          "GB: true   WallPb: 70   BonusPb: 40   SnakeInterval (unmod): 401  "
                          "nSnakes: 5   ");
    }
}

TEST(AutoGameOptions, ArenaSizeFollowsThePlayerCountTables)
{
    // From size 5 up the size is one smaller when rand() % 6 > 0; more players
    // than any window admits take the largest arena instead of searching for ever.
    struct Case {
        int mode, players, size;
    };
    const Case cases[] = {{0, 8, 3}, {0, 9, 4},  {5, 6, 3},  {1, 6, 4},   {4, 15, 4},
                          {0, 24, 5}, {4, 40, 6}, {0, 65, 6}, {0, 101, 8}, {3, 1000, 8}};
    std::set<bool> seen;
    for (unsigned seed = 1; seed < 9; ++seed) {
        seen.insert(nudges(seed));
        for (const Case& c : cases)
            EXPECT_EQ(arenaSize(c.mode, c.players, 0, seed), c.size > 4 && nudges(seed) ? c.size - 1 : c.size)
                << "mode " << c.mode << ", " << c.players << " players, seed " << seed;
        EXPECT_EQ(arenaSize(0, 1, 0, seed), nudges(seed) ? 3 : 1);
        EXPECT_EQ(arenaSize(4, 1, 0, seed), 3);
        for (int randomness = 1; randomness < 3; ++randomness)
            EXPECT_EQ(arenaSize(3, 127, randomness, seed), nudges(seed) ? 7 : 8);
    }
    EXPECT_EQ(seen.size(), 2u) << "the seeds take both ways";

    // No players at all: a small arena, and no division by zero.
    for (int randomness = 0; randomness < 3; ++randomness) {
        Resolved r = resolve(allAuto(0, 0, randomness));
        EXPECT_LE(*r.options.resolvedArenaSize, 3);
        EXPECT_EQ(r.options.resolvedSnakePreparationTime, 600);
        EXPECT_EQ(r.options.resolvedAISnakeCount, 3);
    }
}

TEST(AutoGameOptions, SnakeHunterAndLargeArenasWithoutRandomness)
{
    Resolved r = resolve(allAuto(4, 2, 0));
    const GameOptions& o = r.options;
    EXPECT_EQ(o.resolvedArenaSize, 3);
    EXPECT_EQ(o.resolvedTimeBeforeShrinking, 7560);  // long wait in arenas below 6
    EXPECT_EQ(o.resolvedShrinkStyle, 2);
    EXPECT_EQ(o.resolvedWallDensity, 80);
    EXPECT_EQ(o.resolvedPowerupDensity, 50);
    EXPECT_TRUE(o.resolvedRespawningWalls.enabled);
    EXPECT_EQ(o.resolvedRespawningWalls.stopLimit, 50);

    // The long wait holds up to size 5; larger arenas wait the normal time.
    GameOptions sized = allAuto(4, 2, 0);
    for (auto [size, wait] : {std::pair{5, 7560}, std::pair{6, 5400}}) {
        sized.arenaSize = size;
        EXPECT_EQ(resolve(sized).options.resolvedTimeBeforeShrinking, wait) << size;
    }

    // Mirrored shrinking: Everything with Snake Hunter, or a chosen size of 5 or more.
    GameOptions everything = allAuto(6, 2, 0);
    EXPECT_EQ(resolve(everything).options.resolvedShrinkStyle, 2);
    everything.everythingModes.snakeHunter = false;
    EXPECT_EQ(resolve(everything).options.resolvedShrinkStyle, 1);
    GameOptions classic = allAuto(0, 2, 0);
    classic.arenaSize = 4;
    EXPECT_EQ(resolve(classic).options.resolvedShrinkStyle, 1);
    classic.arenaSize = 5;
    EXPECT_EQ(resolve(classic).options.resolvedShrinkStyle, 2);
}

TEST(AutoGameOptions, ChosenValuesAreTakenAndNotDescribed)
{
    GameOptions o = allAuto(0, 4, 2);
    o.arenaSize = 10;
    o.shrinkSpeed = 0;
    o.timeBeforeShrinking = 3;
    o.shrinkStyle = 3;
    o.gridBlocks = 2;
    o.wallDensity = 10;
    o.powerupDensity = 0;
    o.aiSnakePreparationTime = 5;
    o.aiSnakeSpawnInterval = 2;
    o.aiSnakeCount = 4;
    o.maxAISnakesAtOnce = 3;
    o.auctions = 0;
    Resolved r = resolve(o);
    EXPECT_EQ(r.line, "");
    EXPECT_EQ(levelOf(r.options), (std::vector{10, 60, 7560, 3, 50, 0, 1000, 199, 4, 3}));
    EXPECT_EQ(r.options.resolvedGridBlocks, true);
    EXPECT_EQ(r.options.resolvedAuctionInterval, 0);

    o.gridBlocks = 1;
    EXPECT_EQ(resolve(o).options.resolvedGridBlocks, false);
    EXPECT_EQ(resolve(o).options.aiSearchDepth, 5);

    // Six players: nine snakes. In a large arena two come at once, five times less often.
    o = allAuto(0, 6, 0);
    o.arenaSize = 4;
    r = resolve(o);
    EXPECT_EQ(r.options.resolvedAISnakeCount, 9);
    EXPECT_EQ(r.options.resolvedMaxAISnakesAtOnce, 2);
    EXPECT_EQ(r.options.resolvedSnakeSpawnInterval, 400);
    EXPECT_NE(r.line.find("SnakeInterval (unmod): 80   nSnakes: 9    SnakeInterval (mod): 400 "),
              std::string::npos);

    o.updateRateMultiplier = 2;   // the longer interval never exceeds 501 frames
    EXPECT_EQ(resolve(o).options.resolvedSnakeSpawnInterval, 501);
    o.updateRateMultiplier = 1;
    o.aiSnakeSpawnInterval = 5;
    r = resolve(o);
    EXPECT_EQ(r.options.resolvedMaxAISnakesAtOnce, 2);
    EXPECT_EQ(r.options.resolvedSnakeSpawnInterval, 501);

    EXPECT_EQ(resolve(allAuto(0, 6, 0)).options.resolvedMaxAISnakesAtOnce, 1);
    o = allAuto(0, 2, 0);
    o.arenaSize = 5;
    EXPECT_EQ(resolve(o).options.resolvedMaxAISnakesAtOnce, 1);
}

TEST(AutoGameOptions, RandomValuesStayInRangeAndADoubleRateDoublesDurations)
{
    std::set<int> sizes, styles;
    for (int mode = 0; mode < gameModeCount; ++mode)
        for (int randomness = 0; randomness < 3; ++randomness)
            for (unsigned seed = 1; seed < 40; ++seed) {
                GameOptions o = allAuto(mode, 1 + int(seed * 13 % 100), randomness);
                o.auctions = 1 + int(seed % 3);
                const GameOptions r = resolve(o, seed, seed).options;
                // Never a wide arena, and at low randomness no crowd in a small one.
                EXPECT_TRUE(within(r.resolvedArenaSize, randomness < 2 && o.numPlayers > 16 ? 4 : 1, 8));
                EXPECT_TRUE(std::set<int>({60, 32, 16, 8, 4, 2}).count(*r.resolvedShrinkSpeed));
                EXPECT_TRUE(within(r.resolvedTimeBeforeShrinking, 1080, 7560));
                EXPECT_TRUE(within(r.resolvedShrinkStyle, 1, randomness == 2 ? 3 : 2));
                EXPECT_TRUE(within(r.resolvedWallDensity, 0, 100));
                EXPECT_TRUE(within(r.resolvedPowerupDensity, 0, 100));
                const int low[] = {0, 800, 1200, 2000}, high[] = {0, 1200, 2000, 3000};
                EXPECT_TRUE(within(r.resolvedAuctionInterval, low[o.auctions], high[o.auctions]));
                EXPECT_EQ(r.aiSearchDepth, *r.resolvedGridBlocks ? 15 : 5);

                // Twice the update rate: the same level, durations in twice the frames,
                // except the wait cut short for the fastest shrinking, which a doubled rate never reaches.
                o.updateRateMultiplier = 2;
                const GameOptions doubled = resolve(o, seed, seed).options;
                EXPECT_EQ(doubled.resolvedArenaSize, r.resolvedArenaSize);
                EXPECT_EQ(*doubled.resolvedShrinkSpeed, 2 * *r.resolvedShrinkSpeed);
                if (*r.resolvedShrinkSpeed >= 3) {
                    EXPECT_EQ(*doubled.resolvedTimeBeforeShrinking, 2 * *r.resolvedTimeBeforeShrinking);
                }
                EXPECT_EQ(doubled.resolvedSnakePreparationTime, 2 * r.resolvedSnakePreparationTime);
                if (r.resolvedMaxAISnakesAtOnce == 1) {
                    EXPECT_EQ(doubled.resolvedSnakeSpawnInterval, 2 * r.resolvedSnakeSpawnInterval);
                }
                EXPECT_EQ(doubled.resolvedAuctionInterval, r.resolvedAuctionInterval);
                sizes.insert(*r.resolvedArenaSize);
                styles.insert(*r.resolvedShrinkStyle);
            }
    EXPECT_GE(sizes.size(), 4u);
    EXPECT_EQ(styles, (std::set<int>{1, 2, 3}));
}

TEST(AutoGameOptions, OpenArenasWithRespawningWallsAtHighRandomness)
{
    int openArenas = 0;
    for (unsigned seed = 1; seed < 400; ++seed) {
        GameOptions o = allAuto(0, 4, 2);
        o.gridBlocks = 1;
        const GameOptions r = resolve(o, seed, seed).options;
        const RespawningWallsSettings& walls = r.resolvedRespawningWalls;
        if (*r.resolvedWallDensity != 0) {
            EXPECT_FALSE(walls.enabled);
            continue;
        }
        ++openArenas;
        EXPECT_TRUE(walls.enabled);
        EXPECT_TRUE(walls.interval == 10 || walls.interval == 5);
        EXPECT_TRUE(walls.stopLimit == 50 || walls.stopLimit == 100);
        EXPECT_TRUE(walls.startLimit == 10 || (walls.startLimit == 20 && walls.stopLimit == 100));
        EXPECT_EQ(walls.minimumFreeCells, 100);
    }
    EXPECT_GT(openArenas, 0);

    // Never with a chosen wall density, with grid blocks, or below the highest randomness.
    struct Variant {
        int randomness, gridBlocks, wallDensity;
    };
    for (unsigned seed = 1; seed < 200; ++seed)
        for (Variant v : {Variant{2, 1, 10}, Variant{2, 2, 21}, Variant{1, 1, 21}}) {
            GameOptions o = allAuto(0, 4, v.randomness);
            o.gridBlocks = v.gridBlocks;
            o.wallDensity = v.wallDensity;
            EXPECT_FALSE(resolve(o, seed, seed).options.resolvedRespawningWalls.enabled);
        }
}

TEST(AutoGameOptions, LiveOptionsDrawFromTheLevelEngine)
{
    const GameOptions saved = gameOptions;
    const std::mt19937 savedEngine = levelRng;

    levelRng.seed(5489);
    gameOptions = allAuto(2, 5, 2);
    std::srand(3);
    chooseAutoGameOptions();
    const GameOptions first = gameOptions;
    EXPECT_NE(levelRng, std::mt19937(5489));

    Resolved again = resolve(allAuto(2, 5, 2), 5489, 3);
    EXPECT_EQ(first.resolvedArenaSize, again.options.resolvedArenaSize);
    EXPECT_EQ(first.resolvedShrinkSpeed, again.options.resolvedShrinkSpeed);
    EXPECT_EQ(first.resolvedWallDensity, again.options.resolvedWallDensity);
    EXPECT_EQ(first.resolvedAuctionInterval, again.options.resolvedAuctionInterval);

    // Choices outside their lists fall back to their defaults instead of indexing past a table.
    gameOptions = allAuto(0, 2, 0);
    gameOptions.arenaSize = 40;
    gameOptions.shrinkSpeed = 9;
    gameOptions.timeBeforeShrinking = -3;
    gameOptions.aiSnakePreparationTime = 12;
    gameOptions.randomness = 7;
    gameOptions.gameMode = 9;
    EXPECT_NO_THROW(chooseAutoGameOptions());
    EXPECT_EQ(gameOptions.arenaSize, 0);
    EXPECT_EQ(gameOptions.gameMode, 0);
    EXPECT_EQ(gameOptions.resolvedArenaSize, 3);
    EXPECT_EQ(gameOptions.resolvedShrinkSpeed, 16);
    EXPECT_EQ(gameOptions.resolvedTimeBeforeShrinking, 5400);
    EXPECT_EQ(gameOptions.resolvedSnakePreparationTime, 600);

    gameOptions = saved;
    levelRng = savedEngine;
}
