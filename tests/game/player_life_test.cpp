#include <gtest/gtest.h>

#include "frame/app_globals.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "game/auction.h"
#include "player_update_fixture.h"

namespace {

class PlayerLife : public PlayerUpdateTest {
protected:
    void SetUp() override
    {
        PlayerUpdateTest::SetUp();
        makeArena(9, 9);
        p = addPlayer(0, {4, 4});
    }

    std::shared_ptr<Player> p;
};

TEST_F(PlayerLife, Button2BidsOnARunningAuctionOncePerPressUnlessHeld)
{
    startGame();
    game->auction = std::make_unique<Auction>();
    p->coins = 2;
    controlsOf(p).button2Down = true;
    runFrames(3);
    EXPECT_EQ(game->auction->price, 1);
    EXPECT_EQ(game->auction->highestBidder, p);
    EXPECT_EQ(p->button2Flash, 58);
    ASSERT_EQ(game->toasts.size(), 1u);
    EXPECT_EQ(game->toasts.front()->text, "Bid: 1");
    // A bid needs the price plus one in coins.
    controlsOf(p).button2Down = false;
    runFrames(1);
    game->auction->price = 2;
    controlsOf(p).button2Down = true;
    runFrames(1);
    EXPECT_EQ(game->auction->price, 2);

    // A held player flashes but does not bid.
    controlsOf(p).button2Down = false;
    runFrames(1);
    p->coins = 5;
    p->held = true;
    controlsOf(p).button2Down = true;
    runFrames(1);
    EXPECT_EQ(p->button2Flash, 60);
    EXPECT_EQ(game->auction->price, 2);
}

TEST_F(PlayerLife, ADeadPlayerRespawnsShieldedOnAClearedCrossInRespawningModes)
{
    gameOptions.gameMode = GameMode::Deathmatch;
    grid.at(4, 5) = Square::Block;
    grid.at(4, 2) = Square::Wall;
    p->dead = true;
    p->respawnTimer = 2;
    p->x = p->y = 0;
    startGame();
    runFrames(1);
    EXPECT_TRUE(p->dead);
    runFrames(1);
    EXPECT_FALSE(p->dead);
    EXPECT_EQ(Vector2(p->x, p->y), Vector2(128, 128));
    EXPECT_EQ(p->shieldTimer, 120);
    EXPECT_EQ(grid.at(4, 5), Square::Empty);
    EXPECT_EQ(grid.at(4, 2), Square::Wall);

    // Never in Classic, nor for computer snakes.
    for (int mode : {GameMode::Classic, GameMode::Deathmatch}) {
        gameOptions.gameMode = mode;
        p->isAI = mode == GameMode::Deathmatch;
        p->dead = true;
        p->respawnTimer = 1;
        runFrames(1);
        EXPECT_TRUE(p->dead) << mode;
    }
}

TEST_F(PlayerLife, OldReplaysRespawnOntoABlockAsAGhost)
{
    gameOptions.gameMode = GameMode::Deathmatch;
    grid.at(4, 4) = Square::Block;
    p->dead = true;
    p->respawnTimer = 1;
    startGame(playingContext(std::string("\x00\x00", 2), 8));
    runFrames(1);
    EXPECT_FALSE(p->dead);
    EXPECT_TRUE(p->ghost);
    EXPECT_FALSE(p->shielded);
    EXPECT_EQ(grid.at(4, 4), Square::Block);
}

TEST_F(PlayerLife, ATeamMateCloseByRescuesAHeldPlayerInBattleRoyale)
{
    gameOptions.gameMode = GameMode::BattleRoyale;
    teams.emplace_back(Vector2{1, 1}, Vector2{1, 0});
    player.clear();
    auto held = addPlayer(0, {4, 4}, 0);
    auto mate = addPlayer(1, {4, 4}, 0);
    mate->y += 31;
    held->held = true;
    startGame();
    runFrames(179);
    EXPECT_EQ(held->rescueFrames, 179);
    runFrames(1);
    EXPECT_FALSE(held->held);
    EXPECT_EQ(held->rescueFrames, 0);

    // A mate 32 pixels away is too far; the count starts again.
    held->held = true;
    held->rescueFrames = 100;
    mate->y = 4 * 32 + 32;
    mate->x = 4 * 32 + 1;
    runFrames(1);
    EXPECT_EQ(held->rescueFrames, 0);
    // Exactly one cell away, straight across or straight below, is too far as well.
    for (Vector2 offset : {Vector2{32, 0}, Vector2{0, 32}}) {
        mate->x = held->x + offset.x;
        mate->y = held->y + offset.y;
        runFrames(180);
        EXPECT_TRUE(held->held) << offset;
        EXPECT_EQ(held->rescueFrames, 0) << offset;
    }
}

TEST_F(PlayerLife, TimersRunOut)
{
    // A hold timer releases by itself.
    p->held = true;
    p->holdTimer = 2;
    p->giveShield();
    startGame();
    runFrames(1);
    EXPECT_TRUE(p->held);
    runFrames(1);
    EXPECT_FALSE(p->held);
    // A shield counts down only once it runs, and ends the ghost with it.
    EXPECT_EQ(p->shieldTimer, 121);
    p->shieldTimer = 2;
    p->ghost = true;
    runFrames(2);
    EXPECT_TRUE(p->shielded);
    runFrames(1);
    EXPECT_FALSE(p->shielded);
    EXPECT_FALSE(p->ghost);
    EXPECT_EQ(p->shieldTimer, -1);

    // A frozen player stands and turns every five frames: down, left, up.
    p->stopTimer = 6;
    p->facing = Facing::Down;
    controlsOf(p).hold(1, 0);
    controlsOf(p).fireDown = true;
    runFrames(6);
    EXPECT_EQ(p->x, 128);
    EXPECT_FALSE(bombGrid.at(4, 4).isLive());
    EXPECT_EQ(p->facing, Facing::Up);
    EXPECT_EQ(p->stopTimer, 0);
    runFrames(1);
    EXPECT_GT(p->x, 128);
}

TEST_F(PlayerLife, ShrunkFlyingSpritesGoAndTheMotionTrailKeepsTwentyPoints)
{
    for (float scale : {1.0f, 0.005f, 0.5f}) {
        p->flyingSprites.push_back(makeFlyingSprite(p->getSpriteState({}, {}), 0, 0, 0.0f, 0.0f, 5));
        p->flyingSprites.back()->scale = scale;
    }
    p->trailTimer = 30;
    controlsOf(p).hold(1, 0);
    startGame();
    runFrames(1);
    ASSERT_EQ(p->flyingSprites.size(), 2u);
    EXPECT_EQ(p->flyingSprites[0]->scale, 1.0f);
    EXPECT_EQ(p->flyingSprites[1]->scale, 0.5f);
    runFrames(24);
    ASSERT_EQ(p->trail.size(), 20u);
    EXPECT_EQ(p->trail.back().x, p->x - 2);
    runFrames(5);
    EXPECT_TRUE(p->trail.empty());
}

}
