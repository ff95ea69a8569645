#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "frame/game_ids.h"
#include "frame/settings.h"
#include "game/round_state.h"
#include "support/log_capture.h"
#include "support/round_fixture.h"
#include "toast_expect.h"

namespace {

namespace P = PowerupType;

// Two players on a small arena: `taker` walks onto powerups, `other` stands by.
class Bonus : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        savedLootboxPoints = lootboxPoints;
        savedDiagnostic = diagnosticMode;
        makeArena(7, 5);
        taker = addPlayer(0, {2, 2});
        other = addPlayer(1, {4, 2});
        startGame();
    }
    void TearDown() override
    {
        lootboxPoints = savedLootboxPoints;
        diagnosticMode = savedDiagnostic;
        RoundTest::TearDown();
    }

    // Lays the powerup under the taker and lets it check its cell.
    void pickUp(int powerup)
    {
        powerupGrid.at(taker->centreCell()) = powerup;
        taker->checkBonusAtGridSquare();
    }
    int powerupUnderTaker() { return powerupGrid.at(taker->centreCell()); }
    std::string lastToast() { return lastToastText(*game); }

    std::shared_ptr<Player> taker;
    std::shared_ptr<Player> other;
    int savedLootboxPoints = 0;
    bool savedDiagnostic = false;
};

TEST_F(Bonus, APickupLeavesTheCellAndFloatsItsNameOverThePlayer)
{
    pickUp(P::Bomb);
    EXPECT_EQ(taker->bombCapacity, 2);
    EXPECT_EQ(powerupUnderTaker(), P::None);
    ASSERT_EQ(game->toasts.size(), 1u);
    expectToast(*game->toasts.back(), "Extra Bomb", 2 * 32 + 16, 2 * 32 + 16, 0, -0.5f, 90, ToastFont::Default);
    pickUp(P::Range);
    EXPECT_EQ(taker->range, 3);
    EXPECT_EQ(lastToast(), "Extra Range");

    // Speed stops at the highest speed.
    gameOptions.maxPlayerSpeed = 4;
    taker->speed = 2;
    pickUp(P::Speed);
    EXPECT_EQ(taker->speed, 3);
    EXPECT_EQ(lastToast(), "Speed");
    pickUp(P::Speed);
    pickUp(P::Speed);
    EXPECT_EQ(taker->speed, 4);
    EXPECT_EQ(lastToast(), "Speed (MAX)");
}

TEST_F(Bonus, EachPowerupGivesItsAbility)
{
    const std::pair<int, bool Player::*> abilities[] = {{P::Superman, &Player::strength},
                                                        {P::Annhiliator, &Player::annihilator},
                                                        {P::QuestionFastIgnition, &Player::fastIgnition},
                                                        {P::UltraBomb, &Player::ultraBomb}};
    for (auto [powerup, ability] : abilities) {
        pickUp(powerup);
        EXPECT_TRUE((*taker).*ability) << powerup;
        EXPECT_FALSE((*other).*ability) << powerup;
    }
    EXPECT_EQ(lastToast(), "Ultrabomb");

    // A special bomb replaces the one before.
    const std::pair<int, int> bombs[] = {{P::Controller, BombType::RemoteControl},
                                         {P::Timebomb, BombType::Detonator},
                                         {P::Flamethrower, BombType::Flamethrower},
                                         {P::RocketLauncher, BombType::RocketLauncher}};
    for (auto [powerup, bombType] : bombs) {
        pickUp(powerup);
        EXPECT_EQ(taker->bombType, bombType) << powerup;
    }
    EXPECT_EQ(lastToast(), "Rocket Launcher");
    pickUp(P::Snake);
    EXPECT_EQ(lastToast(), "Snake");
}

TEST_F(Bonus, AnExtraBombEndsAWaitingRemoteBomb)
{
    pickUp(P::Controller);
    Bomb& bomb = bombGrid.at(3, 3);
    bomb.owner = taker;
    bomb.state = BombState::RemoteControl;
    bomb.fuse = 3;
    taker->specialBombOut = true;

    pickUp(P::Bomb);
    EXPECT_EQ(std::tuple(taker->bombCapacity, taker->bombType, taker->specialBombOut),
              std::tuple(2, int(BombType::Bomb), false));
    EXPECT_EQ(std::pair(bomb.state, bomb.fuse), std::pair(BombState::Normal, 90));

    gameOptions.bombPickupEndsRemote = false;
    pickUp(P::Timebomb);
    pickUp(P::Bomb);
    EXPECT_EQ(taker->bombType, BombType::Detonator);
}

TEST_F(Bonus, GhostAndShieldArmTheirTimersButNoGhostWhileTheArenaShrinks)
{
    gameOptions.updateRateMultiplier = 2;
    taker->shielded = true;
    pickUp(P::QuestionGhost);
    EXPECT_EQ(std::tuple(taker->ghost, taker->shielded, taker->shieldTimer), std::tuple(true, false, 241));
    EXPECT_EQ(lastToast(), "Ghost");
    // A ghost picks nothing up until it is solid again.
    taker->ghost = false;
    taker->shieldTimer = 0;
    pickUp(P::Shield);
    EXPECT_EQ(std::pair(taker->shielded, taker->shieldTimer), std::pair(true, 241));
    EXPECT_EQ(lastToast(), "Shield");
    taker->shielded = false;
    game->shrinkPhase = 2;
    pickUp(P::Ghost);
    EXPECT_FALSE(taker->ghost);
    EXPECT_EQ(powerupUnderTaker(), P::None);
    EXPECT_EQ(lastToast(), "Ghost");
}

TEST_F(Bonus, CashIsACoinAndALootBoxPointInALiveGame)
{
    lootboxPoints = 10;
    pickUp(P::Cash);
    pickUp(P::Cash);
    EXPECT_EQ(taker->coins, 2);
    EXPECT_EQ(lastToast(), "Cash (2)");
    EXPECT_EQ(lootboxPoints, 12);

    game->replayData.playing = true;
    game->replayData.replayInputVersion = replayOutputVersion;
    pickUp(P::Cash);
    EXPECT_EQ(taker->coins, 3);
    EXPECT_EQ(lootboxPoints, 12);
}

TEST_F(Bonus, DeathStaysOnTheArenaAndAShieldOnlyStartsToRunOut)
{
    gameOptions.updateRateMultiplier = 2;
    taker->giveShield();
    pickUp(P::Death);
    EXPECT_EQ(std::pair(taker->dead, taker->shieldTimer), std::pair(false, 240));
    EXPECT_EQ(powerupUnderTaker(), P::Death);
    EXPECT_EQ(lastToast(), "Death");
    diagnosticMode = true;
    LogCapture log;
    taker->shielded = false;
    taker->checkBonusAtGridSquare();
    EXPECT_TRUE(taker->dead);
    EXPECT_EQ(powerupUnderTaker(), P::Death);
    EXPECT_THAT(log.lines(), ::testing::Contains("0 killed by Bonus::Death"));
}

TEST_F(Bonus, StopAndSnailHitEveryOtherPlayer)
{
    auto third = addPlayer(2, {5, 3});
    third->dead = true;
    gameOptions.updateRateMultiplier = 2;
    pickUp(P::QuestionStop);
    EXPECT_EQ(std::tuple(other->stopTimer, third->stopTimer, taker->stopTimer), std::tuple(300, 300, 0));
    EXPECT_EQ(lastToast(), "Stop");
    gameOptions.snailSeconds = 5;
    pickUp(P::Snail);
    EXPECT_EQ(std::tuple(other->slowTimer, third->slowTimer, taker->slowTimer), std::tuple(300, 300, 0));
    EXPECT_EQ(lastToast(), "Snail");
}

TEST_F(Bonus, ASnakeEatsAnyPowerupAndGrows)
{
    taker->snakeLength = 4;
    for (int powerup : {P::Bomb, P::Death, P::Cash}) {
        pickUp(powerup);
        EXPECT_EQ(powerupUnderTaker(), P::None);
    }
    EXPECT_EQ(std::tuple(taker->snakeLength, taker->bombCapacity, taker->coins), std::tuple(7, 1, 0));
    EXPECT_FALSE(taker->dead);
    EXPECT_TRUE(game->toasts.empty());
}

TEST_F(Bonus, PlayersThatCannotTakeABonusLeaveItLying)
{
    taker->ghost = true;
    pickUp(P::Bomb);
    taker->ghost = false;
    taker->held = true;
    taker->checkBonusAtGridSquare();
    EXPECT_EQ(taker->bombCapacity, 1);
    EXPECT_EQ(powerupUnderTaker(), P::Bomb);

    // Older replays let held players take powerups.
    game->replayData.playing = true;
    game->replayData.replayInputVersion = 0x100000a;
    EXPECT_TRUE(taker->canTakeBonus());
    game->replayData.replayInputVersion = 0x100000b;
    EXPECT_FALSE(taker->canTakeBonus());
    taker->held = false;

    // Only powerups on open floor are taken; unknown ids and the dead take nothing.
    grid.at(taker->centreCell()) = Square::Crumbling;
    taker->checkBonusAtGridSquare();
    EXPECT_EQ(taker->bombCapacity, 1);
    taker->collectBonus(P::Count);
    taker->dead = true;
    taker->collectBonus(P::Range);
    EXPECT_EQ(taker->range, 2);
    EXPECT_TRUE(game->toasts.empty());

    // A player outside the arena fails the cell check with a clear error.
    taker->dead = false;
    taker->x = 7 * 32;
    try {
        taker->checkBonusAtGridSquare();
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Assertion failed: 'grid_x >= 0 && grid_x < grid_squares_x && "
                                         "grid_y >= 0 && grid_y < grid_squares_y' at line 1842\n");
    }
}

}
