#include <gtest/gtest.h>

#include <array>

#include "game/game_options.h"

TEST(GameOptions, WallsGrowBackOnlyInSnakeHunterAndEverythingAndNothingIsResolvedBeforeARound)
{
    const GameOptions o;
    for (int mode = 0; mode < gameModeCount; ++mode) {
        const RespawningWallsSettings& w = o.respawningWalls[mode];
        const bool grows = mode == 4 || mode == 6;
        EXPECT_EQ(w.enabled, grows) << mode;
        EXPECT_EQ((std::array{w.interval, w.startLimit, w.stopLimit, w.minimumFreeCells}),
                  (grows ? std::array{10, 10, 50, 100} : std::array{0, 0, 0, 0})) << mode;
        EXPECT_EQ(isTeamMode(mode), mode == 1 || mode == 2 || mode == 3 || mode == 6) << mode;
    }
    EXPECT_FALSE(o.resolvedArenaSize || o.resolvedShrinkSpeed || o.resolvedTimeBeforeShrinking ||
                 o.resolvedShrinkStyle || o.resolvedGridBlocks || o.resolvedWallDensity ||
                 o.resolvedPowerupDensity || o.resolvedAuctionInterval);
    EXPECT_EQ(o.resolvedSnakeSpawnInterval, -999);
    EXPECT_EQ(o.resolvedAISnakeCount, -999);
}

TEST(GameOptions, ValuesOutsideTheirListsAreFoundAndResetToTheirDefaults)
{
    EXPECT_EQ(findInvalidGameOption(GameOptions{}), "");
    // The ends of the lists are accepted.
    GameOptions edges;
    edges.arenaSize = 13;
    edges.shrinkSpeed = 0;
    edges.powerupDensity = 21;
    edges.gameMode = 6;
    edges.updateRate = 144;
    edges.updateRateMultiplier = 2;
    edges.aiSnakeAggressiveness = -1;
    edges.resolvedArenaSize = 13;
    edges.resolvedShrinkSpeed = 1;
    edges.resolvedWallDensity = 100;
    EXPECT_EQ(findInvalidGameOption(edges), "");

    auto invalid = [](auto change) {
        GameOptions o;
        change(o);
        return findInvalidGameOption(o);
    };
    EXPECT_EQ(invalid([](GameOptions& o) { o.arenaSize = 14; }), "arenaSize 14");
    EXPECT_EQ(invalid([](GameOptions& o) { o.shrinkSpeed = -1; }), "shrinkSpeed -1");
    EXPECT_EQ(invalid([](GameOptions& o) { o.gameMode = 7; }), "gameMode 7");
    EXPECT_EQ(invalid([](GameOptions& o) { o.numPlayers = 0; }), "numPlayers 0");
    EXPECT_EQ(invalid([](GameOptions& o) { o.updateRate = 50; }), "updateRate 50");
    EXPECT_EQ(invalid([](GameOptions& o) { o.updateRateMultiplier = 0; }), "updateRateMultiplier 0");
    EXPECT_EQ(invalid([](GameOptions& o) { o.resolvedArenaSize = 0; }), "resolvedArenaSize 0");
    EXPECT_EQ(invalid([](GameOptions& o) { o.resolvedPowerupDensity = 101; }),
              "resolvedPowerupDensity 101");

    // Valid choices stay; the others go back to their defaults, each reported.
    GameOptions o;
    o.shrinkSpeed = 2;
    o.arenaSize = 99;
    o.timeBeforeShrinking = 5;
    o.gridBlocks = -1;
    o.aiSnakeSpawnInterval = 6;
    EXPECT_EQ(resetInvalidGameOptions(o), (std::vector<std::string>{"arenaSize 99", "timeBeforeShrinking 5",
                                                                     "gridBlocks -1", "aiSnakeSpawnInterval 6"}));
    EXPECT_EQ((std::array{o.arenaSize, o.timeBeforeShrinking, o.gridBlocks, o.aiSnakeSpawnInterval, o.shrinkSpeed}),
              (std::array{0, 4, 1, 0, 2}));
    EXPECT_EQ(findInvalidGameOption(o), "");
}
