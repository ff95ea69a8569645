#include "game/game.h"

#include <cstdlib>
#include <fmt/format.h>

#include "frame/log.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"

Game* currentGame = nullptr;

const char* Game::PlayerPositionSetupError::what() const noexcept
{
    return "Error while generating player positions.\nLevel may be too small for this number of "
           "players\nPress ENTER or button 1";
}

Game::Game(bool, const PackagedReplayData& replay)
    : replayData(replay), crawlerLook(std::rand() % 5)
{
    const RespawningWallsSettings& walls = gameOptions.resolvedRespawningWalls;
    if (walls.enabled)
        wallRespawnTimer = walls.interval;
    currentGame = this;
    for (const auto& p : player) {
        if (p)
            p->game = this;
    }
    if (gameOptions.resolvedAuctionInterval)
        logStdString(fmt::format("Auction interval: {}\n", *gameOptions.resolvedAuctionInterval));
}

Game::~Game()
{
    // Score toasts still on their way pay out to their teams now.
    toasts.clear();
    for (const auto& p : player) {
        if (p && p->game == this)
            p->game = nullptr;
    }
    if (currentGame == this)
        currentGame = nullptr;
}
