#include <gtest/gtest.h>

#include "game/game_options.h"
#include "session/level_size_distribution.h"

TEST(LevelSizeDistribution, LeavesRandomnessAndPlayerCountAsTheyWere)
{
    const GameOptions saved = gameOptions;
    gameOptions.randomness = 1;
    gameOptions.numPlayers = 7;
    gameOptions.gameMode = 5;

    testAutoLevelSizeDistribution();

    EXPECT_EQ(gameOptions.randomness, 1);
    EXPECT_EQ(gameOptions.numPlayers, 7);
    // The mode is left where the loop ends; every game start sets it again.
    EXPECT_EQ(gameOptions.gameMode, 2);
    EXPECT_TRUE(gameOptions.resolvedArenaSize.has_value());
    gameOptions = saved;
}
