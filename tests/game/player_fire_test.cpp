#include <gtest/gtest.h>

#include "game/bomb.h"
#include "player_update_fixture.h"

namespace {

class PlayerFire : public PlayerUpdateTest {
protected:
    void SetUp() override
    {
        PlayerUpdateTest::SetUp();
        makeArena(9, 9);
        p = addPlayer(0, {4, 4});
        startGame();
    }

    // Holds fire for one update, or releases it.
    void press(bool fire = true)
    {
        controlsOf(p).fireDown = fire;
        runFrames(1);
    }

    const Bomb& bombAt(int x, int y) { return bombGrid.at(x, y); }

    std::shared_ptr<Player> p;
};

TEST_F(PlayerFire, HoldingFireLaysABombOnEachNewCellWhileCapacityLasts)
{
    p->bombCapacity = 2;
    controlsOf(p).hold(1, 0);
    press();
    EXPECT_EQ(bombAt(4, 4).liveOwner(), p);
    EXPECT_EQ(bombAt(4, 4).fuse, 89);   // laid with 90 and burnt once in the same frame
    EXPECT_EQ(bombAt(4, 4).state, BombState::Normal);
    for (int i = 0; i < 20; ++i)
        press();
    EXPECT_TRUE(bombAt(5, 4).isLive());
    EXPECT_FALSE(bombAt(6, 4).isLive());
    EXPECT_EQ(p->bombsOut, 2);
}

TEST_F(PlayerFire, NoBombOnAPowerupOrWhileFireIsLatchedHeldOrBlocked)
{
    powerupGrid.at(4, 4) = 3;
    press();
    EXPECT_FALSE(bombAt(4, 4).isLive());
    powerupGrid.at(4, 4) = 0;
    for (auto block : {&Player::fireLatched, &Player::held}) {
        (*p).*block = true;
        press();
        EXPECT_FALSE(bombAt(4, 4).isLive());
        (*p).*block = false;
    }
    // A ghost on open floor takes form on the press and lays nothing with it.
    p->ghost = true;
    p->shieldTimer = 50;
    press();
    EXPECT_FALSE(p->ghost);
    press();
    EXPECT_FALSE(bombAt(4, 4).isLive());
    press(false);
    gameOptions.updateRateMultiplier = 2;   // with fast ignition: 80, burnt once
    p->fastIgnition = true;
    press();
    EXPECT_EQ(bombAt(4, 4).fuse, 79);
}

TEST_F(PlayerFire, ARemoteControlBombWaitsUntilTheNextPress)
{
    p->bombType = BombType::RemoteControl;
    press();
    EXPECT_EQ(bombAt(4, 4).state, BombState::RemoteControl);
    EXPECT_EQ(bombAt(4, 4).fuse, 3);
    EXPECT_TRUE(p->specialBombOut);
    EXPECT_EQ(p->remoteBombCell, (Vector2{4, 4}));
    EXPECT_EQ(p->remoteBombStepTimer, 10);
    EXPECT_EQ(p->bombsOut, 0);
    press();   // still the same press
    EXPECT_TRUE(p->specialBombOut);
    press(false);
    press();
    EXPECT_FALSE(p->specialBombOut);
    EXPECT_EQ(bombAt(4, 4).state, BombState::Normal);
}

TEST_F(PlayerFire, WithoutItsDelayARemoteBombTakesTheNormalFuseAndReleasingFireMayEndIt)
{
    gameOptions.remoteControlDelay = false;
    p->bombType = BombType::RemoteControl;
    press();
    EXPECT_EQ(bombAt(4, 4).fuse, 90);

    gameOptions.releaseFireEndsRemote = true;
    p->bombType = BombType::Detonator;
    p->specialBombOut = false;
    controlsOf(p).hold(0, 1);
    for (int i = 0; i < 17; ++i)
        press(false);
    press();
    EXPECT_EQ(bombAt(4, 5).state, BombState::Detonator);
    EXPECT_EQ(bombAt(4, 5).fuse, 3);
    press(false);
    EXPECT_FALSE(p->specialBombOut);
    EXPECT_EQ(bombAt(4, 5).state, BombState::Normal);
}

TEST_F(PlayerFire, ARocketNeedsItsCooldownAndFliesTheWayThePlayerFaces)
{
    p->bombType = BombType::RocketLauncher;
    p->facing = Facing::Left;
    press();
    EXPECT_FALSE(bombAt(4, 4).isLive());
    // One bomb of capacity: the cooldown must pass 47 - 3 updates.
    for (int i = 0; i < 42; ++i)
        press(false);
    press();
    EXPECT_FALSE(bombAt(4, 4).isLive());
    press();
    EXPECT_EQ(bombAt(4, 4).state, BombState::Moving);
    EXPECT_EQ(bombAt(4, 4).direction, Facing::Left);
    EXPECT_EQ(bombAt(4, 4).fuse, 3);
    EXPECT_EQ(p->bombsOut, 1);
}

}
