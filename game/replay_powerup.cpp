#include "game/replay_powerup.h"

#include <fmt/format.h>
#include <ios>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "game/game.h"
#include "game/replay_data.h"
#include "game/replay_records.h"

namespace {

int readRecord(const Game& game, PowerupRecord record)
{
    if (record == PowerupRecord::Auction) {
        log("Get auction powerup from replay\n");
        return readAuctionRecord(game.replayData);
    }
    return readWallRecord(game.replayData);
}

}

std::optional<int> recordedPowerup(Game& game, PowerupRecord record)
{
    const bool auction = record == PowerupRecord::Auction;
    if (!game.replayData.playing) {
        const int powerup = game.randomPowerupType(auction);
        if (game.replayData.recording) {
            if (auction)
                writeAuctionRecord(game.replayData, powerup);
            else
                writeWallRecord(game.replayData, powerup);
        }
        return powerup;
    }

    if (game.replayEndSeen)
        return std::nullopt;
    int powerup = PowerupType::None;
    try {
        powerup = readRecord(game, record);
    } catch (const std::ios_base::failure&) {
        if (!game.replayInputAtEnd())
            throw;
        game.endReplayQuietly(auction ? "read auction" : "read wall");
        return std::nullopt;
    }
    if (powerup < PowerupType::None || powerup >= PowerupType::Count)
        throw InvalidReplayRecord(fmt::format("{} powerup {}", auction ? "auction" : "wall", powerup));
    return powerup;
}
