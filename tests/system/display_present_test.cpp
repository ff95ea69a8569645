// Presenting the canvas (needs an X server): the present shader gives the
// same backbuffer pixels as Allegro's default shader, for canvases scaled down,
// scaled up and at the backbuffer's own size, with opaque and see-through
// pixels; and the backbuffer keeps its shader afterwards.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "frame/display/display.h"
#include "frame/screen_size.h"
#include "media/bitmap_draw.h"
#include "media/present_shader.h"
#include "media/render_target.h"
#include "support/arena_display.h"

namespace {

// A canvas of one-pixel stripes, checks and blobs in many colours, some of
// them see-through, so that any texel picked differently shows.
void paintCanvas(ALLEGRO_BITMAP* canvas, unsigned seed)
{
    std::srand(seed);
    setTargetBitmap(canvas);
    al_clear_to_color(al_map_rgb(20, 40, 60));
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(canvas, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    ASSERT_NE(region, nullptr);
    const int w = al_get_bitmap_width(canvas);
    const int h = al_get_bitmap_height(canvas);
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < w; ++x) {
            const int a = (x / 7 + y / 5) % 9 == 0 ? std::rand() % 256 : 255;
            // Premultiplied, as Allegro's drawing leaves it.
            row[x * 4 + 0] = static_cast<unsigned char>((x * 37 + y * 11 + std::rand() % 3) % 256 * a / 255);
            row[x * 4 + 1] = static_cast<unsigned char>((x ^ y) % 256 * a / 255);
            row[x * 4 + 2] = static_cast<unsigned char>(std::rand() % 256 * a / 255);
            row[x * 4 + 3] = static_cast<unsigned char>(a);
        }
    }
    al_unlock_bitmap(canvas);
}

std::vector<unsigned char> backbufferPixels()
{
    ALLEGRO_BITMAP* backbuffer = backbufferBitmap->bitmap;
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(backbuffer, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    std::vector<unsigned char> pixels;
    if (!region)
        return pixels;
    const int w = al_get_bitmap_width(backbuffer);
    const int h = al_get_bitmap_height(backbuffer);
    for (int y = 0; y < h; ++y) {
        const auto* row = static_cast<const unsigned char*>(region->data) + y * region->pitch;
        pixels.insert(pixels.end(), row, row + w * 4);
    }
    al_unlock_bitmap(backbuffer);
    return pixels;
}

// The backbuffer after presenting the canvas, with the present shader or
// Allegro's default one, over the same earlier picture.
std::vector<unsigned char> presented(bool presentShader)
{
    setTargetAndClear(*backbufferBitmap, al_map_rgb(200, 100, 0));
    if (presentShader) {
        drawCanvasOntoBackbuffer();
    } else {
        const Rect dest = letterboxRect(backbufferBitmap->width(), backbufferBitmap->height(),
                                        screenWidth, screenHeight);
        drawBitmapScaled(backbufferBitmap->bitmap, screenBitmap->bitmap, 0, 0, screenWidth,
                         screenHeight, dest.x, dest.y, dest.width, dest.height);
    }
    return backbufferPixels();
}

int differingBytes(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
{
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        n += a[i] != b[i] ? 1 : 0;
    return n;
}

class DisplayPresent : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureArenaDisplay();
        savedWidth_ = screenWidth;
        savedHeight_ = screenHeight;
        ASSERT_TRUE(presentShaderReady());
    }
    void TearDown() override
    {
        screenWidth = savedWidth_;
        screenHeight = savedHeight_;
        screenBitmap = std::make_shared<BitmapWrapper>(screenWidth, screenHeight, false);
    }
    void useCanvas(int width, int height, unsigned seed)
    {
        screenWidth = width;
        screenHeight = height;
        screenBitmap = std::make_shared<BitmapWrapper>(width, height, false);
        paintCanvas(screenBitmap->bitmap, seed);
    }
    int savedWidth_ = 0;
    int savedHeight_ = 0;
};

TEST_F(DisplayPresent, SamePixelsAsTheDefaultShaderAtEveryScale)
{
    const int bw = backbufferBitmap->width();
    const int bh = backbufferBitmap->height();
    struct Size {
        int width, height;
    };
    // The Colossal arena's canvas, scaled down; a small arena's, scaled up by
    // an odd factor; a tall one (bars left and right); the backbuffer's own size.
    const Size sizes[] = {{2400, 1376}, {864, 480}, {288, 416}, {bw, bh}, {bw - 1, bh + 3}};
    unsigned seed = 1;
    for (const Size& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width << "x" << size.height);
        useCanvas(size.width, size.height, seed++);
        const std::vector<unsigned char> before = presented(false);
        const std::vector<unsigned char> after = presented(true);
        ASSERT_FALSE(before.empty());
        EXPECT_EQ(differingBytes(before, after), 0);
    }
}

TEST_F(DisplayPresent, LaterDrawsOnTheBackbufferUseTheDefaultShaderAgain)
{
    useCanvas(320, 200, 7);
    drawCanvasOntoBackbuffer();
    ALLEGRO_BITMAP* source = screenBitmap->bitmap;
    // A tinted draw after presenting: the present shader would ignore the tint.
    auto tintedDraw = [&] {
        setTargetAndClear(*backbufferBitmap, al_map_rgb(0, 0, 0));
        drawBitmapTinted(backbufferBitmap->bitmap, source, 0, 0, 255, 0, 0, 255);
        return backbufferPixels();
    };
    const std::vector<unsigned char> afterPresent = tintedDraw();
    setTargetBitmap(screenBitmap->bitmap);
    al_use_shader(nullptr);
    resetTargetCache();
    const std::vector<unsigned char> fresh = tintedDraw();
    ASSERT_FALSE(fresh.empty());
    EXPECT_EQ(differingBytes(afterPresent, fresh), 0);
    // And the tint did apply: no green left where the canvas had some.
    int green = 0;
    for (std::size_t i = 1; i < afterPresent.size(); i += 4)
        green += afterPresent[i] != 0 ? 1 : 0;
    EXPECT_EQ(green, 0);
}

}
