#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "game/game_options.h"

TEST(GameOptions, DefaultsOfANewGame)
{
    const GameOptions o;
    // Level options: everything automatic except grid blocks (off) and auctions (medium).
    EXPECT_EQ(o.arenaSize, 0);
    EXPECT_EQ(o.shrinkStyle, 0);
    EXPECT_EQ(o.shrinkSpeed, 6);
    EXPECT_EQ(o.timeBeforeShrinking, 4);
    EXPECT_EQ(o.gridBlocks, 1);
    EXPECT_EQ(o.wallDensity, 21);
    EXPECT_EQ(o.powerupDensity, 21);
    EXPECT_EQ(o.auctions, 2);
    EXPECT_EQ(o.aiSnakeCount, 0);
    EXPECT_EQ(o.maxAISnakesAtOnce, 0);
    EXPECT_EQ(o.aiSnakePreparationTime, 0);
    EXPECT_EQ(o.aiSnakeSpawnInterval, 0);

    // Walls grow back only in Snake Hunter and Everything.
    for (int mode = 0; mode < gameModeCount; ++mode) {
        const RespawningWallsSettings& w = o.respawningWalls[mode];
        const bool grows = mode == 4 || mode == 6;
        EXPECT_EQ(w.enabled, grows) << mode;
        EXPECT_EQ((std::array{w.interval, w.startLimit, w.stopLimit, w.minimumFreeCells}),
                  (grows ? std::array{10, 10, 50, 100} : std::array{0, 0, 0, 0})) << mode;
    }
    EXPECT_EQ(std::count(o.powerupsDisabled.begin(), o.powerupsDisabled.end(), true), 0);

    // The rest, spot-checked.
    EXPECT_EQ(o.randomness, 0);
    EXPECT_EQ(o.winsNeeded, 5);
    EXPECT_EQ(o.numPlayers, 2);
    EXPECT_EQ(o.updateRateMultiplier, 1);
    EXPECT_EQ(o.updateRate, 60);
    EXPECT_EQ(o.gameMode, 0);
    EXPECT_TRUE(o.everythingModes.ctf && o.everythingModes.battleRoyale &&
                o.everythingModes.kingOfTheHill && o.everythingModes.snakeHunter &&
                o.everythingModes.respawning);
    EXPECT_EQ(o.flagCapturePoints, 20);
    EXPECT_EQ(o.aiSnakeStartLength, 12);
    EXPECT_EQ(o.aiSearchDepth, 15);

    // Nothing is resolved before the first round.
    EXPECT_FALSE(o.resolvedArenaSize || o.resolvedShrinkSpeed || o.resolvedTimeBeforeShrinking ||
                 o.resolvedShrinkStyle || o.resolvedGridBlocks || o.resolvedWallDensity ||
                 o.resolvedPowerupDensity || o.resolvedAuctionInterval);
    EXPECT_EQ(o.resolvedSnakeSpawnInterval, -999);
    EXPECT_EQ(o.resolvedAISnakeCount, -999);
    EXPECT_FALSE(o.resolvedRespawningWalls.enabled);
}

TEST(GameOptions, TeamModes)
{
    const bool expected[gameModeCount] = {false, true, true, true, false, false, true};
    for (int mode = 0; mode < gameModeCount; ++mode)
        EXPECT_EQ(isTeamMode(mode), expected[mode]) << mode;
}

TEST(GameOptions, ValuesOutsideTheirListsAreFound)
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
    EXPECT_EQ(invalid([](GameOptions& o) { o.randomness = 3; }), "randomness 3");
    EXPECT_EQ(invalid([](GameOptions& o) { o.numPlayers = 0; }), "numPlayers 0");
    EXPECT_EQ(invalid([](GameOptions& o) { o.updateRate = 50; }), "updateRate 50");
    EXPECT_EQ(invalid([](GameOptions& o) { o.updateRateMultiplier = 0; }), "updateRateMultiplier 0");
    EXPECT_EQ(invalid([](GameOptions& o) { o.resolvedArenaSize = 0; }), "resolvedArenaSize 0");
    EXPECT_EQ(invalid([](GameOptions& o) { o.resolvedShrinkStyle = 200; }), "resolvedShrinkStyle 200");
    EXPECT_EQ(invalid([](GameOptions& o) { o.resolvedPowerupDensity = 101; }),
              "resolvedPowerupDensity 101");
}

TEST(GameOptions, ResettingKeepsValidChoicesAndRestoresDefaults)
{
    GameOptions o;
    o.arenaSize = 7;
    o.shrinkSpeed = 2;
    o.randomness = 2;
    o.gameMode = 4;
    EXPECT_TRUE(resetInvalidGameOptions(o).empty());
    EXPECT_EQ(o.arenaSize, 7);
    EXPECT_EQ(o.shrinkSpeed, 2);
    EXPECT_EQ(o.randomness, 2);
    EXPECT_EQ(o.gameMode, 4);

    o.arenaSize = 99;
    o.timeBeforeShrinking = 5;
    o.gridBlocks = -1;
    o.aiSnakeSpawnInterval = 6;
    std::vector<std::string> changed = resetInvalidGameOptions(o);
    EXPECT_EQ(changed, (std::vector<std::string>{"arenaSize 99", "timeBeforeShrinking 5",
                                                  "gridBlocks -1", "aiSnakeSpawnInterval 6"}));
    EXPECT_EQ(o.arenaSize, 0);
    EXPECT_EQ(o.timeBeforeShrinking, 4);
    EXPECT_EQ(o.gridBlocks, 1);
    EXPECT_EQ(o.aiSnakeSpawnInterval, 0);
    EXPECT_EQ(o.shrinkSpeed, 2);
    EXPECT_EQ(findInvalidGameOption(o), "");
}
