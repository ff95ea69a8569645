// Which sprites make up a player's picture, without a display.
#include <gtest/gtest.h>

#include "frame/game_ids.h"
#include "game/game_options.h"
#include "game/draw/player_sprite_draw.h"
#include "media/head_sets.h"
#include "media/sprites.h"

namespace {

SpriteState human(Facing facing, int frame)
{
    SpriteState s;
    s.look.head = 6;
    s.facing = facing;
    s.frame = frame;
    return s;
}

class SpriteRecipes : public ::testing::Test {
protected:
    void TearDown() override { gameOptions = GameOptions{}; }
};

}

TEST_F(SpriteRecipes, ASlowedHumanIsASnailAndASlowedSnakeStaysASnake)
{
    SpriteState s = human(Facing::Left, 2);
    s.slowed = true;
    SpriteRecipe snail = buildSpriteKey(s);
    ASSERT_EQ(snail.parts.size(), 1u);
    EXPECT_EQ(snail.parts[0], (RecipePart{SpriteId::Snail, 0, true}));
    EXPECT_EQ(snail.offset, (Vector2{0, -12}));
    EXPECT_FALSE(snail.recolour);
    EXPECT_TRUE(snail.anyBaseColour);

    s.facing = Facing::Right;
    s.snake = true;
    SpriteRecipe snake = buildSpriteKey(s);
    ASSERT_EQ(snake.parts.size(), 1u);
    EXPECT_EQ(snake.parts[0].spriteId, lookupHeadSet(6, Facing::Right, false).baseSprite);
    EXPECT_TRUE(snake.recolour);
}

TEST_F(SpriteRecipes, AHeldHumanCrawlsHeadFirstEitherWay)
{
    SpriteState s = human(Facing::Right, 4);
    s.held = true;
    SpriteRecipe right = buildSpriteKey(s);
    ASSERT_EQ(right.parts.size(), 2u);
    EXPECT_EQ(right.parts[0], (RecipePart{SpriteId::BodyCrawl0 + 1, 0, false}));
    EXPECT_EQ(right.parts[1].spriteId, spriteIdByName("Head6_Crawl_R"));
    EXPECT_EQ(right.offset, (Vector2{-8, 0}));
    EXPECT_FALSE(right.vertical);
    EXPECT_FALSE(right.reversed);

    s.facing = Facing::Left;
    s.frame = 1;
    SpriteRecipe left = buildSpriteKey(s);
    EXPECT_EQ(left.parts[0], (RecipePart{SpriteId::BodyCrawl0, 0, true}));
    EXPECT_EQ(left.parts[1].spriteId, spriteIdByName("Head6_Crawl_L"));
    EXPECT_EQ(left.offset, (Vector2{-24, 0}));
    EXPECT_TRUE(left.reversed);

    // A player that has not walked yet (frame 0) lies in the first crawl frame.
    s.frame = 0;
    EXPECT_EQ(buildSpriteKey(s).parts[0].spriteId, SpriteId::BodyCrawl0);
}

TEST_F(SpriteRecipes, AWalkingHumanIsAHeadOverABodyThatBobs)
{
    SpriteState s = human(Facing::Down, 1);
    SpriteRecipe walk = buildSpriteKey(s);
    ASSERT_EQ(walk.parts.size(), 2u);
    EXPECT_EQ(walk.parts[0].spriteId, spriteIdByName("Head6_D_014"));
    EXPECT_EQ(walk.parts[1].spriteId, spriteIdByName("Body0_D_1"));
    EXPECT_EQ(walk.offset, (Vector2{0, -30}));
    EXPECT_TRUE(walk.vertical);
    EXPECT_TRUE(walk.recolour);

    s.remoteArmed = true;
    walk = buildSpriteKey(s);
    EXPECT_EQ(walk.parts[1].spriteId, spriteIdByName("Body0_Ctrl"));
    EXPECT_EQ(walk.offset, (Vector2{0, -28}));

    // A dead held player of the Everything mode stands rather than crawls.
    gameOptions.gameMode = GameMode::Everything;
    s.held = true;
    s.dead = true;
    EXPECT_TRUE(buildSpriteKey(s).vertical);
    gameOptions.gameMode = GameMode::BattleRoyale;
    EXPECT_FALSE(buildSpriteKey(s).vertical);
}
