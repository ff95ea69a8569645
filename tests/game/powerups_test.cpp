#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "frame/game_ids.h"
#include "frame/screen_size.h"
#include "frame/settings.h"
#include "game/game_options.h"
#include "game/powerup_pools.h"
#include "support/round_fixture.h"
#include "toast_expect.h"

namespace {

class PowerupDraw : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        savedLootboxes = std::exchange(lootboxesEnabled, true);
        startGame();
    }
    void TearDown() override
    {
        lootboxesEnabled = savedLootboxes;
        RoundTest::TearDown();
    }

    // Each id turns up as often as its share of the weights says (within six
    // standard deviations); ids without weight never turn up.
    void expectDrawsFollow(bool auction, const std::map<int, int>& weights)
    {
        constexpr int draws = 100000;
        std::map<int, int> counts;
        for (int i = 0; i < draws; ++i)
            ++counts[game->randomPowerupType(auction)];
        int total = 0;
        for (auto [id, weight] : weights)
            total += weight;
        for (auto [id, count] : counts)
            EXPECT_TRUE(weights.count(id)) << "powerup " << id << " drawn " << count << " times";
        for (auto [id, weight] : weights) {
            const double p = double(weight) / total;
            EXPECT_NEAR(counts[id], draws * p, 6 * std::sqrt(draws * p * (1 - p)) + 1) << "powerup " << id;
        }
    }

    bool savedLootboxes = true;
};

namespace P = PowerupType;

const std::map<int, int> normalWeights{
    {P::Bomb, 70},   {P::Range, 40},     {P::Speed, 50},        {P::Controller, 5},     {P::Timebomb, 5},
    {P::Ghost, 10},  {P::Shield, 20},    {P::Cash, 20},         {P::Superman, 10},      {P::Stop, 1},
    {P::Snail, 5},   {P::Snake, 1},      {P::Annhiliator, 2},   {P::Flamethrower, 1},   {P::RocketLauncher, 1},
    {P::QuestionShield, 8}, {P::QuestionGhost, 4}, {P::QuestionStop, 1}, {P::QuestionFastIgnition, 4}, {P::UltraBomb, 1}};

const std::map<int, int> auctionWeights{
    {P::Bomb, 20},  {P::Range, 20},  {P::Speed, 30},       {P::Controller, 5},     {P::Timebomb, 5},
    {P::Ghost, 5},  {P::Shield, 20}, {P::Superman, 5},     {P::Stop, 1},           {P::Snail, 5},
    {P::Snake, 1},  {P::Annhiliator, 2}, {P::Flamethrower, 1}, {P::RocketLauncher, 1}, {P::QuestionFastIgnition, 4},
    {P::UltraBomb, 2}};

std::map<int, int> without(std::map<int, int> weights, std::initializer_list<int> ids)
{
    for (int id : ids)
        weights.erase(id);
    return weights;
}

TEST_F(PowerupDraw, BothPoolsDrawByTheirWeightsAndSnakeHunterMakesTheRemoteRare)
{
    EXPECT_EQ(normalPowerupPool, normalWeights);
    EXPECT_EQ(auctionPowerupPool, auctionWeights);
    expectDrawsFollow(false, normalWeights);
    expectDrawsFollow(true, auctionWeights);

    gameOptions.gameMode = GameMode::SnakeHunter;
    auto normal = normalWeights;
    auto auction = auctionWeights;
    normal[P::Controller] = auction[P::Controller] = 1;
    expectDrawsFollow(false, normal);
    expectDrawsFollow(true, auction);
}

TEST_F(PowerupDraw, CashIsOnlyInTheBlocksWhenItCanBeSpent)
{
    // Nothing to spend it on: no loot boxes and no auctions.
    lootboxesEnabled = false;
    gameOptions.resolvedAuctionInterval = 0;
    expectDrawsFollow(false, without(normalWeights, {P::Cash}));
    gameOptions.keepCashInPlay = true;
    expectDrawsFollow(false, normalWeights);
    gameOptions.keepCashInPlay = false;
    gameOptions.resolvedAuctionInterval = 1800;
    expectDrawsFollow(false, normalWeights);
}

TEST_F(PowerupDraw, SwitchedOffPowerupsAreNeverDrawn)
{
    for (int id = 1; id < P::Count; ++id)
        gameOptions.powerupsDisabled[std::size_t(id)] = id != P::Stop;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game->randomPowerupType(false), P::Stop);
    gameOptions.powerupsDisabled[P::Stop] = true;
    EXPECT_EQ(game->randomPowerupType(false), P::None);
    EXPECT_EQ(game->randomPowerupType(true), P::None);
}

class RandomnessIncrease : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        savedEngine = std::exchange(levelRng, std::mt19937(5489));
        screenWidth = 640;
        screenHeight = 480;
        startGame();
    }
    void TearDown() override
    {
        randomnessPauseScreen = nullptr;
        randomnessScreenReset = nullptr;
        levelRng = savedEngine;
        RoundTest::TearDown();
    }

    std::mt19937 savedEngine;
};

TEST_F(RandomnessIncrease, RisesAboutOneTimeInFiveAtTheDefaultAndNeverAtZero)
{
    int rises = 0;
    for (int i = 0; i < 2000; ++i) {
        gameOptions.randomness = 0;
        incrementRandomness(*game);
        rises += gameOptions.randomness;
    }
    EXPECT_GT(rises, 300);
    EXPECT_LT(rises, 500);

    gameOptions.randomness = 0;
    gameOptions.randomnessIncrease = 0;
    for (int i = 0; i < 200; ++i)
        incrementRandomness(*game);
    EXPECT_EQ(gameOptions.randomness, 0);
    EXPECT_TRUE(game->toasts.empty());
}

TEST_F(RandomnessIncrease, ShowsItsToastDuringThePause)
{
    gameOptions.randomnessIncrease = 1000000;
    std::vector<TimedToast> seen;
    randomnessPauseScreen = [&](Game& g) {
        for (const auto& toast : g.toasts)
            seen.push_back(dynamic_cast<const TimedToast&>(*toast));
    };
    incrementRandomness(*game);
    EXPECT_EQ(gameOptions.randomness, 1);
    ASSERT_EQ(seen.size(), 1u);
    expectToast(seen[0], "Randomness up!", 320, 480, 0, -5, 120, ToastFont::Large);

    // Without a screen the pause still runs its 120 updates: the toast is gone.
    randomnessPauseScreen = nullptr;
    incrementRandomness(*game);
    EXPECT_EQ(gameOptions.randomness, 2);
    EXPECT_TRUE(game->toasts.empty());
}

TEST_F(RandomnessIncrease, TheScreenIsMadeAfreshBeforeTheToastIsPlacedOnIt)
{
    // The screen of a tall trophy room is still up.
    screenWidth = 640;
    screenHeight = 960;
    int resets = 0;
    std::size_t toastsAtReset = 99;
    randomnessScreenReset = [&] {
        ++resets;
        toastsAtReset = game->toasts.size();
        screenWidth = 640;
        screenHeight = 480;
    };
    gameOptions.randomnessIncrease = 0;
    incrementRandomness(*game);
    EXPECT_EQ(resets, 0) << "no rise, no pause";

    gameOptions.randomnessIncrease = 1000000;
    std::vector<TimedToast> seen;
    randomnessPauseScreen = [&](Game& g) {
        for (const auto& toast : g.toasts)
            seen.push_back(dynamic_cast<const TimedToast&>(*toast));
    };
    incrementRandomness(*game);
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(toastsAtReset, 0u);
    ASSERT_EQ(seen.size(), 1u);
    expectToast(seen[0], "Randomness up!", 320, 480, 0, -5, 120, ToastFont::Large);
}

}
