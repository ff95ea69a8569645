#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "media/bitmap_draw.h"
#include "media/bitmap_wrapper.h"
#include "media/primitives.h"
#include "media/render_target.h"
#include "support/allegro_environment.h"

namespace {

// Memory bitmaps: no display needed. Left half red, right half blue.
class BitmapDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureAllegroSystem();
        initPrimitives();
        al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
        source_ = std::make_shared<BitmapWrapper>(al_create_bitmap(4, 2));
        target_ = std::make_shared<BitmapWrapper>(al_create_bitmap(8, 8));
        clearBitmap(*target_);
        drawFilledRectangle(source_->bitmap, 0, 0, 2, 2, al_map_rgb(255, 0, 0));
        drawFilledRectangle(source_->bitmap, 2, 0, 4, 2, al_map_rgb(0, 0, 255));
    }

    int red(int x, int y) const
    {
        unsigned char r, g, b;
        al_unmap_rgb(getPixel(target_->bitmap, x, y), &r, &g, &b);
        return r;
    }

    BitmapPtr source_;
    BitmapPtr target_;
};

}

TEST_F(BitmapDrawTest, FlipMirrorsAlphaBelow255TintsAndTintsClamp)
{
    drawBitmap(target_->bitmap, source_->bitmap, 0, 0, false, 255);
    drawBitmap(target_->bitmap, source_->bitmap, 0, 2, true, 255);
    EXPECT_EQ(red(0, 0), 255);
    EXPECT_EQ(red(3, 0), 0);
    EXPECT_EQ(red(0, 2), 0);
    EXPECT_EQ(red(3, 2), 255);

    drawBitmap(target_->bitmap, source_->bitmap, 0, 4, false, 254);
    EXPECT_EQ(red(0, 4), 254);
    drawBitmapOnto(*source_, *target_, 4, 4, 0);
    EXPECT_EQ(red(4, 4), 0);

    // Tints outside the byte range clamp instead of wrapping (256 to 0, -1 to 255).
    drawBitmapTinted(target_->bitmap, source_->bitmap, 4, 0, 256, 0, 0, 300);
    EXPECT_EQ(red(4, 0), 255);
    drawBitmapTinted(target_->bitmap, source_->bitmap, 4, 2, -1, 0, 0, 255);
    EXPECT_EQ(red(4, 2), 0);
    drawBitmap(target_->bitmap, source_->bitmap, 0, 6, false, 256);
    EXPECT_EQ(red(0, 6), 255);
}

TEST_F(BitmapDrawTest, MissingBitmapsDrawNothing)
{
    drawBitmap(nullptr, source_->bitmap, 0, 0, false, 255);
    drawBitmap(target_->bitmap, nullptr, 0, 0, false, 255);
    BitmapWrapper empty(0, 0, false);
    EXPECT_EQ(empty.bitmap, nullptr);
    clearBitmap(empty);
    drawBitmapOnto(empty, *target_, 0, 0, 255);
    EXPECT_EQ(red(0, 0), 0);

    // Reading a missing bitmap gives transparent black.
    ALLEGRO_COLOR none = getPixel(nullptr, 1, 1);
    EXPECT_EQ(std::vector<float>({none.r, none.g, none.b, none.a}), std::vector<float>(4, 0.0f));
}
