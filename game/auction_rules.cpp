#include <fmt/format.h>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/names.h"
#include "frame/screen_size.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/particles.h"
#include "game/player.h"
#include "game/replay_powerup.h"
#include "game/round_state.h"

namespace {

// How long an auction takes bids, in updates at the base rate.
inline constexpr int auctionFrames = 540;

bool canBid(const Player& p)
{
    return p.canTakeBonus() && p.coins > 0;
}

bool anyoneCanBid()
{
    for (const auto& p : player) {
        if (p && canBid(*p))
            return true;
    }
    return false;
}

}

// Step 2 of the frame: an auction opens every interval while somebody has
// coins to bid, runs for 540 updates and goes to the highest bidder.
void Game::updateAuction()
{
    const std::optional<int>& interval = gameOptions.resolvedAuctionInterval;
    if (interval == 0)
        return;

    if (auction) {
        if (--auction->framesLeft > 0)
            return;
        const std::shared_ptr<Player> winner = auction->highestBidder;
        if (winner && winner->canTakeBonus()) {
            log("Player %d wins auction\n", winner->num);
            const int quantity = auctionQuantity(auction->powerup);
            for (int i = 0; i < quantity; ++i)
                winner->collectBonus(auction->powerup);
            winner->coins -= auction->price;
            spawnParticleBurst(float(winner->x + 16), float(winner->y + 16));
        }
        auction.reset();
        return;
    }

    if (--auctionTimer > 0)
        return;
    if (!anyoneCanBid()) {
        auctionTimer = interval.value();
        return;
    }

    const std::optional<int> drawn = recordedPowerup(*this, PowerupRecord::Auction);
    if (!drawn)
        return;
    const int powerup = *drawn;
    if (powerup == PowerupType::None) {
        auctionTimer = interval.value();
        return;
    }

    log("Auction: %d\n", powerup);
    auction = std::make_unique<Auction>();
    auction->powerup = powerup;
    auction->framesLeft = gameOptions.updateRateMultiplier * auctionFrames;

    std::string text = fmt::format("Auction: {}", powerupDisplayNames[std::size_t(powerup)]);
    const int quantity = auctionQuantity(powerup);
    if (quantity > 1)
        text += fmt::format(" x{}", quantity);
    addToast(makeTimedToast(text.c_str(), screenWidth / 2, screenHeight, 0, -1, auction->framesLeft,
                            ToastFont::Large));

    if (!replayData.playing) {
        for (const auto& p : player) {
            if (!p || !canBid(*p))
                continue;
            const std::string button = p->controls ? p->controls->buttonText(ControlInput::Button2) : "";
            addToast(makeTimedToastFromText(fmt::format("Bid: {}", button), p->x + 16, p->y + 16, 0, -0.5f));
        }
    }
    auctionTimer = interval.value();
}
