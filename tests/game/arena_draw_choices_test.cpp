// What the arena drawing chooses to show, without a display.
#include <gtest/gtest.h>

#include <cmath>

#include "frame/game_ids.h"
#include "game/arena_draw.h"

TEST(BombFrames, TheFuseBurnsThroughFramesThreeToTwentyThree)
{
    Bomb bomb;
    bomb.fuse = 90;
    EXPECT_EQ(bombSprite(bomb, 1), SpriteId::FirstBombFuse);
    bomb.fuse = 45;
    EXPECT_EQ(bombSprite(bomb, 1), 13);
    bomb.fuse = 1;
    EXPECT_EQ(bombSprite(bomb, 1), SpriteId::LastBombFuse);
    bomb.fuse = -5;
    EXPECT_EQ(bombSprite(bomb, 1), SpriteId::LastBombFuse);
    // At twice the rate a full fuse lasts twice as many frames.
    bomb.fuse = 90;
    EXPECT_EQ(bombSprite(bomb, 2), 13);
}

TEST(BombFrames, AFuseLongerThanAFullOneShowsTheFirstFrame)
{
    Bomb bomb;
    for (int fuse : {91, 180, 100000}) {
        bomb.fuse = fuse;
        EXPECT_EQ(bombSprite(bomb, 1), SpriteId::FirstBombFuse) << fuse;
    }
}

TEST(BombFrames, AMovingBombPointsItsWay)
{
    Bomb bomb;
    bomb.state = BombState::Moving;
    bomb.fuse = 200;
    bomb.direction = Facing::Up;
    EXPECT_EQ(bombSprite(bomb, 1), SpriteId::RocketUp);
    bomb.direction = Facing::Left;
    EXPECT_EQ(bombSprite(bomb, 1), SpriteId::RocketLeft);
    bomb.direction = Facing(7);
    EXPECT_EQ(bombSprite(bomb, 1), SpriteId::FirstBombFuse);
}

TEST(SquareSprites, KindsWithoutASpriteShowNothing)
{
    for (int kind : {0, 7, 9, 30, 35, 39, 60, 61, 255, -1})
        EXPECT_EQ(squareSprite(kind), -1) << kind;
    EXPECT_EQ(squareSprite(1), SpriteId::Block4);
    EXPECT_EQ(squareSprite(2), SpriteId::Block3);
    EXPECT_EQ(squareSprite(4), SpriteId::Wall3);
    EXPECT_EQ(squareSprite(19), SpriteId::W3NDth1);
    EXPECT_EQ(squareSprite(20), SpriteId::W3NDth2);
    EXPECT_EQ(squareSprite(44), SpriteId::Wall3CrumbleNewDeath);
    EXPECT_EQ(squareSprite(45), SpriteId::Wall3CrumbleNewDeath2);
    EXPECT_EQ(squareSprite(59), SpriteId::Wall3CrumbleNewDeath4);
}

TEST(CrawlerFrames, FastShrinkSpeedsAnimateWithoutFailing)
{
    for (int speed : {1, 2, 4, 8, 15, 16, 60}) {
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
    EXPECT_FLOAT_EQ(crawlerFrame(2, 8, 16).scale, 1.0f);
    EXPECT_EQ(crawlerFrame(0, 8, 16).alpha, 255);
    EXPECT_EQ(crawlerFrame(3, 8, 16).alpha, 127);
}

TEST(HillTiles, TheGridCoversTheHillWithInclusiveCorners)
{
    const Game::HillArea hill{2, 1, 4, 2};
    EXPECT_EQ(hillTileColumns(hill), 6);
    EXPECT_EQ(hillTileRows(hill), 4);
    EXPECT_EQ(hillTileIndex(hill, 2, 1, 0, 0), 0);
    EXPECT_EQ(hillTileIndex(hill, 2, 1, 1, 0), 1);
    EXPECT_EQ(hillTileIndex(hill, 2, 1, 0, 1), 6);
    EXPECT_EQ(hillTileIndex(hill, 4, 2, 1, 1), 6 * 4 - 1);
    for (auto [x, y] : {std::pair{1, 1}, {5, 1}, {2, 0}, {2, 3}})
        EXPECT_EQ(hillTileIndex(hill, x, y, 0, 0), -1) << x << "," << y;
    EXPECT_EQ(hillTileIndex(hill, 3, 1, 2, 0), -1);
    // A hill whose corners are the wrong way round has no tiles.
    const Game::HillArea none{4, 2, 2, 1};
    EXPECT_EQ(hillTileColumns(none) * hillTileRows(none), 0);
}
