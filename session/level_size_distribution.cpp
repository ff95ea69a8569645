#include "session/level_size_distribution.h"

#include <fmt/format.h>

#include "frame/log.h"
#include "session/auto_game_options.h"
#include "game/game_options.h"

void testAutoLevelSizeDistribution()
{
    const int savedRandomness = gameOptions.randomness;
    const int savedNumPlayers = gameOptions.numPlayers;
    log("Testing auto level size distribution\n");

    // Every game start sets the mode again, so it is left as the loop ends it.
    for (gameOptions.gameMode = 0; gameOptions.gameMode < 2; ++gameOptions.gameMode) {
        for (gameOptions.numPlayers = 2; gameOptions.numPlayers < 20; gameOptions.numPlayers += 2) {
            for (gameOptions.randomness = 0; gameOptions.randomness < 3; ++gameOptions.randomness) {
                logStdString(fmt::format("{} players, Team: {}, randomness {}\n", gameOptions.numPlayers,
                                         isTeamMode(gameOptions.gameMode), gameOptions.randomness));
                for (int i = 0; i < 30; ++i)
                    chooseAutoGameOptions();
            }
        }
    }

    gameOptions.randomness = savedRandomness;
    gameOptions.numPlayers = savedNumPlayers;
}
