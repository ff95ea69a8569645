#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "game/flag.h"
#include "media/bitmap_draw.h"
#include "media/primitives.h"
#include "media/sprites.h"
#include "support/allegro_environment.h"

namespace {

// The flag sprites as memory bitmaps (no display): frame i has a pure red
// pixel at (i, 0), a darker red at (10, 10) and a blue one at (11, 11).
class FlagFrames : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureAllegroSystem();
        al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
        al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ANY_WITH_ALPHA);
        for (int i = 0; i < SpriteId::FlagFrameCount; ++i) {
            ALLEGRO_BITMAP* sprite = al_create_bitmap(32, 32);
            ASSERT_NE(sprite, nullptr);
            al_set_target_bitmap(sprite);
            al_clear_to_color(al_map_rgba(0, 0, 0, 0));
            al_put_pixel(i, 0, al_map_rgb(255, 0, 0));
            al_put_pixel(10, 10, al_map_rgb(254, 0, 0));
            al_put_pixel(11, 11, al_map_rgb(0, 0, 255));
            sprites[std::size_t(SpriteId::FirstFlag + i)] = sprite;
        }
        al_set_target_bitmap(nullptr);
    }

    void TearDown() override
    {
        for (int i = 0; i < SpriteId::FlagFrameCount; ++i) {
            ALLEGRO_BITMAP*& sprite = sprites[std::size_t(SpriteId::FirstFlag + i)];
            al_destroy_bitmap(sprite);
            sprite = nullptr;
        }
        frameCounter = 0;
    }

    static ALLEGRO_COLOR green() { return al_map_rgb(0, 255, 0); }

    static void expectColour(ALLEGRO_BITMAP* bitmap, int x, int y, int r, int g, int b, int a)
    {
        unsigned char pr, pg, pb, pa;
        al_unmap_rgba(getPixel(bitmap, x, y), &pr, &pg, &pb, &pa);
        EXPECT_EQ((std::array{int(pr), int(pg), int(pb), int(pa)}), (std::array{r, g, b, a})) << x << "," << y;
    }
};

TEST_F(FlagFrames, OnlyPureRedTakesTheTeamColourAndFramesAreReleasedExactlyOnce)
{
    std::vector<Flag> flags;
    for (int i = 0; i < 9; ++i) {
        flags.emplace_back(i * 32, 0, i, green());
        makeFlagFrames(flags.back());
    }
    ASSERT_EQ(flags[0].frames.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        ALLEGRO_BITMAP* frame = flags[0].frames[std::size_t(i)]->bitmap;
        expectColour(frame, i, 0, 0, 255, 0, 255);
        expectColour(frame, 10, 10, 254, 0, 0, 255);
        expectColour(frame, 11, 11, 0, 0, 255, 255);
        expectColour(frame, 31, 31, 0, 0, 0, 0);
    }
    // Moving flags in their vector neither shares nor frees frames early.
    std::vector<std::weak_ptr<BitmapWrapper>> seen;
    std::set<ALLEGRO_BITMAP*> bitmaps;
    for (const Flag& flag : flags) {
        for (const BitmapPtr& frame : flag.frames) {
            EXPECT_EQ(frame.use_count(), 1);
            seen.push_back(frame);
            bitmaps.insert(frame->bitmap);
        }
    }
    EXPECT_EQ(bitmaps.size(), 9u * 6u);
    flags.erase(flags.begin());
    for (std::size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i].expired(), i < 6) << i;
    flags.clear();
    for (const auto& frame : seen)
        EXPECT_TRUE(frame.expired());
}

}
