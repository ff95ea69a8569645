#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>

#include "frame/lookup_tables.h"
#include "session/auto_game_options.h"
#include "session/game_options.h"

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

// The first value rand() gives after srand(seed).
int firstRand(unsigned seed)
{
    std::srand(seed);
    return std::rand();
}

}

TEST(AutoGameOptions, ClassicTwoPlayersWithoutRandomness)
{
    // Without randomness nothing depends on the engine.
    for (unsigned seed : {5489u, 1u, 77u}) {
        Resolved r = resolve(allAuto(0, 2, 0), seed);
        const GameOptions& o = r.options;
        EXPECT_EQ(o.resolvedArenaSize, 3);
        EXPECT_EQ(ArenaSizeTable.at(*o.resolvedArenaSize), Vector2(27, 15));
        EXPECT_EQ(o.resolvedShrinkSpeed, 16);
        EXPECT_EQ(o.resolvedTimeBeforeShrinking, 5400);
        EXPECT_EQ(o.resolvedShrinkStyle, 1);
        EXPECT_EQ(o.resolvedGridBlocks, true);
        EXPECT_EQ(o.resolvedWallDensity, 70);
        EXPECT_EQ(o.resolvedPowerupDensity, 40);
        EXPECT_EQ(o.resolvedSnakePreparationTime, 600);
        EXPECT_EQ(o.resolvedSnakeSpawnInterval, 401);
        EXPECT_EQ(o.resolvedAISnakeCount, 5);
        EXPECT_EQ(o.resolvedMaxAISnakesAtOnce, 1);
        EXPECT_EQ(o.aiSearchDepth, 15);
        EXPECT_FALSE(o.resolvedRespawningWalls.enabled);
        ASSERT_TRUE(o.resolvedAuctionInterval);
        EXPECT_GE(*o.resolvedAuctionInterval, 1200);
        EXPECT_LE(*o.resolvedAuctionInterval, 2000);
        EXPECT_EQ(r.line, "Size: Normal   SSpeed: Normal    TimeBeforeS: Normal     SStyle: Classic    "
                          "GB: true   WallPb: 70   BonusPb: 40   SnakeInterval (unmod): 401  "
                          "nSnakes: 5   ");
    }
}

TEST(AutoGameOptions, ManyPlayersWithoutRandomness)
{
    // 65 players in Classic: base size 6, inside its window; lowered to 5 when rand() % 6 > 0.
    std::set<int> seen;
    for (unsigned seed = 1; seed < 40; ++seed) {
        int expected = firstRand(seed) % 6 > 0 ? 5 : 6;
        EXPECT_EQ(arenaSize(0, 65, 0, seed), expected) << seed;
        seen.insert(expected);
    }
    EXPECT_EQ(seen, (std::set<int>{5, 6}));
}

TEST(AutoGameOptions, BaseSizeByPlayerCountAndMode)
{
    // Classic and Deathmatch: bounds 9, 24, 64, 100. Below size 5 no rand() decides.
    EXPECT_EQ(arenaSize(0, 8, 0), 3);
    EXPECT_EQ(arenaSize(0, 9, 0), 4);
    EXPECT_EQ(arenaSize(0, 23, 0), 4);
    EXPECT_EQ(arenaSize(5, 6, 0), 3);
    EXPECT_EQ(arenaSize(5, 9, 0), 4);
    // Team modes and Snake Hunter: bounds 6, 16, 40, 100.
    for (int mode : {1, 2, 3, 4, 6}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(arenaSize(mode, 5, 0), 3);
        EXPECT_EQ(arenaSize(mode, 6, 0), 4);
        EXPECT_EQ(arenaSize(mode, 15, 0), 4);
    }
    // From size 5 up the size is one smaller when rand() % 6 > 0.
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        int lowered = firstRand(seed) % 6 > 0 ? 1 : 0;
        EXPECT_EQ(arenaSize(0, 24, 0, seed), 5 - lowered);
        EXPECT_EQ(arenaSize(1, 16, 0, seed), 5 - lowered);
        EXPECT_EQ(arenaSize(4, 40, 0, seed), 6 - lowered);
    }
}

TEST(AutoGameOptions, PlayerWindowsPickTheSize)
{
    // One player fits only the tiny arena; it grows to 3 when rand() % 6 > 0,
    // and always in Snake Hunter.
    for (unsigned seed = 1; seed < 20; ++seed) {
        int expected = firstRand(seed) % 6 > 0 ? 3 : 1;
        EXPECT_EQ(arenaSize(0, 1, 0, seed), expected);
        EXPECT_EQ(arenaSize(4, 1, 0, seed), 3);
    }

    // Whatever the draws, the automatic size never takes a wide arena, and at
    // low randomness small arenas never get crowds.
    for (int mode = 0; mode < gameModeCount; ++mode)
        for (int randomness = 0; randomness < 3; ++randomness)
            for (int players : {1, 2, 3, 5, 6, 7, 12, 17, 33, 48, 64, 65, 99, 100})
                for (unsigned seed = 1; seed < 12; ++seed) {
                    int size = arenaSize(mode, players, randomness, seed);
                    EXPECT_GE(size, 1);
                    EXPECT_LE(size, 8);
                    if (randomness < 2 && players > 16) {
                        EXPECT_GE(size, 4) << players;
                    }
                }
}

TEST(AutoGameOptions, PlayerCountsBeyondEveryWindowEnd)
{
    // No window admits more than 100 players: the largest arena is taken (one
    // smaller when rand() % 6 > 0), instead of searching for ever.
    for (int mode = 0; mode < gameModeCount; ++mode)
        for (int randomness = 0; randomness < 3; ++randomness)
            for (int players : {101, 127, 1000})
                for (unsigned seed = 1; seed < 5; ++seed) {
                    int expected = firstRand(seed) % 6 > 0 ? 7 : 8;
                    EXPECT_EQ(arenaSize(mode, players, randomness, seed), expected);
                }

    // No players at all: the smallest size, and no division by zero.
    for (int randomness = 0; randomness < 3; ++randomness) {
        Resolved r = resolve(allAuto(0, 0, randomness));
        EXPECT_GE(*r.options.resolvedArenaSize, 1);
        EXPECT_EQ(r.options.resolvedSnakePreparationTime, 600);
        EXPECT_EQ(r.options.resolvedAISnakeCount, 3);
    }
}

TEST(AutoGameOptions, SnakeHunterWithoutRandomness)
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

    // Large arenas wait the normal time.
    GameOptions huge = allAuto(4, 2, 0);
    huge.arenaSize = 6;
    EXPECT_EQ(resolve(huge).options.resolvedTimeBeforeShrinking, 5400);
}

TEST(AutoGameOptions, ShrinkStyleWithoutRandomness)
{
    GameOptions everything = allAuto(6, 2, 0);
    EXPECT_EQ(resolve(everything).options.resolvedShrinkStyle, 2);
    everything.everythingModes.snakeHunter = false;
    EXPECT_EQ(resolve(everything).options.resolvedShrinkStyle, 1);

    // A chosen arena size of 5 or more mirrors the shrinking.
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
    EXPECT_EQ(r.options.resolvedArenaSize, 10);
    EXPECT_EQ(r.options.resolvedShrinkSpeed, 60);
    EXPECT_EQ(r.options.resolvedTimeBeforeShrinking, 7560);
    EXPECT_EQ(r.options.resolvedShrinkStyle, 3);
    EXPECT_EQ(r.options.resolvedGridBlocks, true);
    EXPECT_EQ(r.options.resolvedWallDensity, 50);
    EXPECT_EQ(r.options.resolvedPowerupDensity, 0);
    EXPECT_EQ(r.options.resolvedSnakePreparationTime, 1000);
    EXPECT_EQ(r.options.resolvedSnakeSpawnInterval, 199);
    EXPECT_EQ(r.options.resolvedAISnakeCount, 4);
    EXPECT_EQ(r.options.resolvedMaxAISnakesAtOnce, 3);
    EXPECT_EQ(r.options.resolvedAuctionInterval, 0);

    o.gridBlocks = 1;
    EXPECT_EQ(resolve(o).options.resolvedGridBlocks, false);
    EXPECT_EQ(resolve(o).options.aiSearchDepth, 5);
}

TEST(AutoGameOptions, DoubleUpdateRateDoublesDurationsButNotAuctions)
{
    for (int mode : {0, 1, 4})
        for (int randomness = 0; randomness < 3; ++randomness)
            for (unsigned seed = 1; seed < 30; ++seed) {
                GameOptions o = allAuto(mode, 2, randomness);
                GameOptions fast = o;
                fast.updateRateMultiplier = 2;
                const GameOptions slow = resolve(o, seed, seed).options;
                const GameOptions doubled = resolve(fast, seed, seed).options;
                EXPECT_EQ(doubled.resolvedArenaSize, slow.resolvedArenaSize);
                EXPECT_EQ(*doubled.resolvedShrinkSpeed, 2 * *slow.resolvedShrinkSpeed);
                // The shortest wait is cut from a long one only for the fastest
                // shrinking in frames, which a doubled rate never reaches.
                if (*slow.resolvedShrinkSpeed >= 3) {
                    EXPECT_EQ(*doubled.resolvedTimeBeforeShrinking,
                              2 * *slow.resolvedTimeBeforeShrinking);
                }
                EXPECT_EQ(doubled.resolvedSnakePreparationTime, 2 * slow.resolvedSnakePreparationTime);
                EXPECT_EQ(doubled.resolvedSnakeSpawnInterval, 2 * slow.resolvedSnakeSpawnInterval);
                EXPECT_EQ(doubled.resolvedAuctionInterval, slow.resolvedAuctionInterval);
            }
}

TEST(AutoGameOptions, TwoSnakesAtOnceInBigArenas)
{
    // Six players: nine snakes. In a large arena two come at once, five times less often.
    GameOptions o = allAuto(0, 6, 0);
    o.arenaSize = 4;
    Resolved r = resolve(o);
    EXPECT_EQ(r.options.resolvedAISnakeCount, 9);
    EXPECT_EQ(r.options.resolvedMaxAISnakesAtOnce, 2);
    EXPECT_EQ(r.options.resolvedSnakeSpawnInterval, 400);
    EXPECT_NE(r.line.find("SnakeInterval (unmod): 80   nSnakes: 9    SnakeInterval (mod): 400 "),
              std::string::npos);

    // The longer interval never exceeds 501 frames.
    o.updateRateMultiplier = 2;
    EXPECT_EQ(resolve(o).options.resolvedSnakeSpawnInterval, 501);

    // A chosen interval is kept.
    o.updateRateMultiplier = 1;
    o.aiSnakeSpawnInterval = 5;
    r = resolve(o);
    EXPECT_EQ(r.options.resolvedMaxAISnakesAtOnce, 2);
    EXPECT_EQ(r.options.resolvedSnakeSpawnInterval, 501);

    // Normal arena, or five snakes: one at a time.
    o = allAuto(0, 6, 0);
    EXPECT_EQ(resolve(o).options.resolvedMaxAISnakesAtOnce, 1);
    o = allAuto(0, 2, 0);
    o.arenaSize = 5;
    EXPECT_EQ(resolve(o).options.resolvedMaxAISnakesAtOnce, 1);
    EXPECT_EQ(resolve(allAuto(0, 40, 0)).options.resolvedAISnakeCount, 30);
}

TEST(AutoGameOptions, RandomValuesStayInRange)
{
    std::set<int> sizes, styles, auctionsSeen;
    for (int mode = 0; mode < gameModeCount; ++mode)
        for (int randomness = 0; randomness < 3; ++randomness)
            for (unsigned seed = 1; seed < 40; ++seed) {
                GameOptions o = allAuto(mode, 2 + int(seed % 9), randomness);
                o.auctions = 1 + int(seed % 3);
                const GameOptions r = resolve(o, seed, seed).options;
                EXPECT_TRUE(std::set<int>({60, 32, 16, 8, 4, 2}).count(*r.resolvedShrinkSpeed));
                EXPECT_GE(*r.resolvedTimeBeforeShrinking, 1080);
                EXPECT_LE(*r.resolvedTimeBeforeShrinking, 7560);
                EXPECT_GE(*r.resolvedShrinkStyle, 1);
                EXPECT_LE(*r.resolvedShrinkStyle, randomness == 2 ? 3 : 2);
                EXPECT_GE(*r.resolvedWallDensity, 0);
                EXPECT_LE(*r.resolvedWallDensity, 100);
                EXPECT_GE(*r.resolvedPowerupDensity, 0);
                EXPECT_LE(*r.resolvedPowerupDensity, 100);
                const int low[] = {0, 800, 1200, 2000}, high[] = {0, 1200, 2000, 3000};
                EXPECT_GE(*r.resolvedAuctionInterval, low[o.auctions]);
                EXPECT_LE(*r.resolvedAuctionInterval, high[o.auctions]);
                EXPECT_EQ(r.aiSearchDepth, *r.resolvedGridBlocks ? 15 : 5);
                sizes.insert(*r.resolvedArenaSize);
                styles.insert(*r.resolvedShrinkStyle);
            }
    // Randomness really varies the level.
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
        // Snake Hunter's walls, each limit possibly doubled and the interval possibly halved.
        EXPECT_TRUE(walls.enabled);
        EXPECT_TRUE(walls.interval == 10 || walls.interval == 5);
        EXPECT_TRUE(walls.stopLimit == 50 || walls.stopLimit == 100);
        EXPECT_TRUE(walls.startLimit == 10 || (walls.startLimit == 20 && walls.stopLimit == 100));
        EXPECT_EQ(walls.minimumFreeCells, 100);
    }
    EXPECT_GT(openArenas, 0);

    // Never with a chosen wall density, with grid blocks, or below the highest randomness.
    for (unsigned seed = 1; seed < 200; ++seed) {
        GameOptions chosen = allAuto(0, 4, 2);
        chosen.gridBlocks = 1;
        chosen.wallDensity = 10;
        EXPECT_EQ(resolve(chosen, seed, seed).options.resolvedWallDensity, 50);
        EXPECT_FALSE(resolve(chosen, seed, seed).options.resolvedRespawningWalls.enabled);
        GameOptions blocks = allAuto(0, 4, 2);
        blocks.gridBlocks = 2;
        EXPECT_FALSE(resolve(blocks, seed, seed).options.resolvedRespawningWalls.enabled);
        GameOptions some = allAuto(0, 4, 1);
        some.gridBlocks = 1;
        EXPECT_FALSE(resolve(some, seed, seed).options.resolvedRespawningWalls.enabled);
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

    // The same state gives the same level.
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
