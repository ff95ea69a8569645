#include <cstdlib>
#include <random>

#include "frame/game_ids.h"
#include "frame/screen_size.h"
#include "frame/settings.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/powerup_pools.h"
#include "game/replay_data.h"
#include "media/sound.h"

namespace {

// Replays older than this sell one of everything at auction.
inline constexpr int auctionTriplesVersion = 0x1000003;

// How long the "Randomness up!" pause lasts, in updates.
inline constexpr int randomnessPauseUpdates = 120;

// Cash is worth something only when it can be spent at an auction or counts
// towards the loot boxes (or a game keeps it on purpose).
bool cashHasAUse()
{
    return lootboxesEnabled || gameOptions.keepCashInPlay || gameOptions.resolvedAuctionInterval != 0;
}

}

int Game::randomPowerupType(bool auction)
{
    std::map<int, int> pool = auction ? auctionPowerupPool : normalPowerupPool;
    if (auto mode = modePowerupWeights.find(gameOptions.gameMode); mode != modePowerupWeights.end()) {
        for (auto [id, weight] : mode->second)
            pool[id] = weight;
    }
    if (auction || !cashHasAUse())
        pool.erase(PowerupType::Cash);
    for (int id = 1; id < PowerupType::Count; ++id) {
        if (gameOptions.powerupsDisabled[std::size_t(id)])
            pool.erase(id);
    }

    int total = 0;
    for (auto [id, weight] : pool)
        total += weight;
    if (total <= 0)
        return PowerupType::None;
    int t = std::rand() % total + 1;
    for (auto [id, weight] : pool) {
        if (weight >= t)
            return id;
        t -= weight;
    }
    return PowerupType::None;
}

int Game::auctionQuantity(int powerup) const
{
    if (playingOlderThan(replayData, auctionTriplesVersion))
        return 1;
    return powerup == PowerupType::Bomb || powerup == PowerupType::Range ? 3 : 1;
}

std::function<void(Game&)> randomnessPauseScreen;
std::function<void()> randomnessScreenReset;

void incrementRandomness(Game& game)
{
    const float chance =
        std::generate_canonical<float, 24>(levelRng) * float(gameOptions.randomnessIncrease);
    if (!(chance > 0.8f))
        return;
    ++gameOptions.randomness;
    playSound(SoundId::Splurge, 200, 128, gameOptions.randomness * 300 + 100);
    // The toast rises from the lower edge of the pause's own screen.
    if (randomnessScreenReset)
        randomnessScreenReset();
    game.addToast(makeTimedToast("Randomness up!", screenWidth / 2, screenHeight, 0, -5,
                                 randomnessPauseUpdates, ToastFont::Large));
    // The session shows the pause: it runs the toasts for 120 updates. Without
    // a screen the toasts run all the same, so the round starts in the same
    // state either way.
    if (randomnessPauseScreen) {
        randomnessPauseScreen(game);
        return;
    }
    for (int i = 0; i < randomnessPauseUpdates; ++i)
        game.updateToasts();
}
