// What the arena drawing chooses to show, without a display.
#include <gtest/gtest.h>

#include <cmath>

#include "frame/game_ids.h"
#include "game/draw/arena_draw.h"
#include "game/draw/draw_helpers.h"

TEST(BombFrames, TheFuseBurnsThroughItsFramesAndAMovingBombPointsItsWay)
{
    // {fuse, update-rate multiplier, sprite}: a full fuse lasts 90 frames a
    // multiplier; past full it shows the first frame, burnt out the last.
    const int cases[][3] = {{90, 1, SpriteId::FirstBombFuse}, {45, 1, 13}, {-5, 1, SpriteId::LastBombFuse},
                            {90, 2, 13}, {100000, 1, SpriteId::FirstBombFuse}};
    Bomb bomb;
    for (const auto& [fuse, multiplier, sprite] : cases) {
        bomb.fuse = fuse;
        EXPECT_EQ(bombSprite(bomb, multiplier), sprite) << fuse << " x" << multiplier;
    }
    bomb.state = BombState::Moving;
    bomb.fuse = 200;
    bomb.direction = Facing::Left;
    EXPECT_EQ(bombSprite(bomb, 1), SpriteId::RocketLeft);
    bomb.direction = Facing(7);
    EXPECT_EQ(bombSprite(bomb, 1), SpriteId::FirstBombFuse);
}

TEST(SquareSprites, KindsWithoutASpriteShowNothing)
{
    for (int kind : {0, 60, 255, -1})
        EXPECT_EQ(squareSprite(kind), -1) << kind;
    EXPECT_EQ(squareSprite(1), SpriteId::Block4);
    EXPECT_EQ(squareSprite(59), SpriteId::Wall3CrumbleNewDeath4);
}

TEST(CrawlerFrames, FastShrinkSpeedsAnimateWithoutFailing)
{
    for (int speed : {1, 16, 60}) {
        for (int look = 0; look < 5; ++look) {
            float lastScale = -1.0f;
            int lastAlpha = -1;
            // The wall grows in as the step timer runs down to 1.
            for (int t = speed; t >= 1; --t) {
                const CrawlerFrame f = crawlerFrame(look, t, speed);
                SCOPED_TRACE("speed " + std::to_string(speed) + " look " + std::to_string(look) +
                             " t " + std::to_string(t));
                ASSERT_TRUE(std::isfinite(f.scale) && std::isfinite(f.angle));
                EXPECT_GE(f.scale, lastScale);
                EXPECT_GE(f.alpha, lastAlpha);
                EXPECT_GE(f.alpha, 0);
                EXPECT_LE(f.alpha, 255);
                EXPECT_EQ(f.turns, look == 1 || look == 4);
                lastScale = f.scale;
                lastAlpha = f.alpha;
            }
        }
    }
    EXPECT_FLOAT_EQ(crawlerFrame(0, 8, 16).scale, 0.5f);
    EXPECT_EQ(crawlerFrame(0, 8, 16).alpha, 255);
    EXPECT_EQ(crawlerFrame(3, 8, 16).alpha, 127);
}

TEST(HillTiles, TheGridCoversTheHillWithInclusiveCorners)
{
    const Game::HillArea hill{2, 1, 4, 2};
    EXPECT_EQ(hillTileColumns(hill), 6);
    EXPECT_EQ(hillTileRows(hill), 4);
    EXPECT_EQ(hillTileIndex(hill, 4, 2, 1, 1), 6 * 4 - 1);
    EXPECT_EQ(hillTileIndex(hill, 5, 1, 0, 0), -1);
    // A hill whose corners are the wrong way round has no tiles.
    const Game::HillArea none{4, 2, 2, 1};
    EXPECT_EQ(hillTileColumns(none) * hillTileRows(none), 0);
}

TEST(RespawnFade, TheFirst255OfTwiceTheTimerFadeDividedByTheMultiplier)
{
    // {respawn timer, multiplier, alpha}
    const int cases[][3] = {{0, 1, 255}, {64, 1, 127}, {127, 1, 1}, {128, 1, 0}, {600, 1, 0},
                            {0, 2, 255}, {100, 2, 155}, {128, 2, 128}, {240, 2, 128}, {479, 2, 128}};
    for (const auto& [timer, multiplier, alpha] : cases)
        EXPECT_EQ(respawnFadeAlpha(timer, multiplier), alpha) << timer << " x" << multiplier;
    // At twice the rate the picture never fades below half over the whole wait.
    for (int timer = 0; timer < 2 * 120 * 2; ++timer)
        ASSERT_GE(respawnFadeAlpha(timer, 2), 128) << timer;
}
