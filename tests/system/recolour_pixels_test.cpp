// Drawing through the recolour shader on a real display (needs an X server).
#include <gtest/gtest.h>

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>

#include <array>
#include <memory>
#include <stdexcept>

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "media/bitmap_draw.h"
#include "media/image_search.h"
#include "media/recolour_shader.h"
#include "media/render_target.h"
#include "media/sprites.h"
#include "support/allegro_environment.h"
#include "support/temp_folder.h"
#include "support/working_folder.h"

namespace fs = std::filesystem;

namespace {

using Rgba = std::array<int, 4>;

Rgba pixel(ALLEGRO_BITMAP* bitmap, int x, int y)
{
    unsigned char r, g, b, a;
    al_unmap_rgba(al_get_pixel(bitmap, x, y), &r, &g, &b, &a);
    return {r, g, b, a};
}

const Rgba red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255}, black{0, 0, 0, 255};
const Rgba grey{192, 192, 192, 255}, shade{128, 128, 128, 255}, skin{236, 188, 140, 255};
const Rgba clear{0, 0, 0, 0};

// A head-sized test sprite on the magenta key, with a transparent margin:
// columns 4-11 base grey, 12-15 shading, 16-19 black, 20-23 skin, rows 4-11.
void writeTestSprite(const fs::path& path)
{
    fs::create_directories(path.parent_path());
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS | ALLEGRO_STATE_TARGET_BITMAP);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(32, 28);
    al_set_target_bitmap(bitmap);
    al_clear_to_color(al_map_rgb(255, 0, 255));
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 24; ++x) {
            Rgba c = x < 12 ? grey : x < 16 ? shade : x < 20 ? black : skin;
            al_put_pixel(x, y, al_map_rgb(c[0], c[1], c[2]));
        }
    al_save_bitmap(path.string().c_str(), bitmap);
    al_destroy_bitmap(bitmap);
    al_restore_state(&state);
}

// One display for the whole test program, in a working folder holding the
// shaders and the test sprite.
class RecolourTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ensureAllegroSystem();
        al_init_image_addon();
        al_init_primitives_addon();
        al_install_keyboard();
        if (!eventQueue)
            eventQueue = al_create_event_queue();
        folder_ = std::make_unique<TempFolder>();
        fs::create_directories(folder_->path() / "shaders");
        for (const char* file : {"vertex.glsl", "pixel_recolour.glsl"})
            fs::copy_file(fs::path(TAMWICK_SOURCE_DIR) / "shaders" / file,
                          folder_->path() / "shaders" / file);
        writeTestSprite(folder_->path() / "gfx" / "Head0_D_014.png");
        here_ = std::make_unique<ScopedWorkingFolder>(folder_->path());
        forgetImageIndex();
        if (!display)
            setVideoMode(640, 480, true, -1);
        createShaders();
        createScreenBitmap(1);
    }

    static void TearDownTestSuite()
    {
        // Everything Allegro made goes before Allegro shuts down at exit.
        destroyShaders();
        destroySprites();
        screenBitmap.reset();
        backbufferBitmap.reset();
        here_.reset();
        folder_.reset();
    }

    void TearDown() override { other_.reset(); }

    void SetUp() override
    {
        sprite_ = spriteIdByName("Head0_D_014");
        other_ = std::make_shared<BitmapWrapper>(64, 64, true);
        setTargetAndClear(*screenBitmap, al_map_rgb(0, 0, 255));
        setTargetAndClear(*other_, al_map_rgba(0, 0, 0, 0));
    }

    ALLEGRO_BITMAP* canvas() const { return screenBitmap->bitmap; }

    int sprite_ = 0;
    BitmapPtr other_;
    static std::unique_ptr<TempFolder> folder_;
    static std::unique_ptr<ScopedWorkingFolder> here_;
};

std::unique_ptr<TempFolder> RecolourTest::folder_;
std::unique_ptr<ScopedWorkingFolder> RecolourTest::here_;

RecolourSettings toRed()
{
    RecolourSettings settings;
    settings.newCol = al_map_rgb(255, 0, 0);
    settings.doDarkCol = true;
    settings.outlineCol = al_map_rgb(0, 255, 0);
    return settings;
}

}

TEST_F(RecolourTest, PlayerColourReplacesBaseGreyOnEveryTargetUntilUseShader)
{
    // The shader is taken into use while another bitmap is the target.
    setTargetBitmap(backbufferBitmap->bitmap);
    setRecolour(toRed());
    drawSprite(canvas(), sprite_, 100, 100, false);
    drawSprite(other_->bitmap, sprite_, 10, 10, false);
    useShader();
    // Both bitmaps had the shader bound while recolouring; neither keeps it.
    drawSprite(canvas(), sprite_, 200, 200, false);
    drawSprite(other_->bitmap, sprite_, 32, 32, false);

    struct Target {
        ALLEGRO_BITMAP* bitmap;
        int x, y, plainX, plainY;
        Rgba background;
    };
    for (Target t : {Target{canvas(), 100, 100, 200, 200, blue}, Target{other_->bitmap, 10, 10, 32, 32, clear}}) {
        SCOPED_TRACE(t.bitmap == canvas() ? "screen bitmap" : "other bitmap");
        EXPECT_EQ(pixel(t.bitmap, t.x + 6, t.y + 6), red);
        Rgba shaded = pixel(t.bitmap, t.x + 13, t.y + 6);
        EXPECT_TRUE(shaded[0] > 100 && shaded[0] < 230) << shaded[0];
        EXPECT_EQ(shaded, (Rgba{shaded[0], 0, 0, 255}));
        EXPECT_EQ(pixel(t.bitmap, t.x + 17, t.y + 6), black);
        EXPECT_EQ(pixel(t.bitmap, t.x + 21, t.y + 6), skin);
        // The outline fills transparent pixels beside opaque ones, and only those.
        for (auto [dx, dy] : {std::pair{3, 6}, {24, 6}, {6, 3}, {6, 12}})
            EXPECT_EQ(pixel(t.bitmap, t.x + dx, t.y + dy), green) << dx << "," << dy;
        EXPECT_EQ(pixel(t.bitmap, t.x + 3, t.y + 3), t.background) << "diagonal neighbours draw no outline";
        // The key stays transparent.
        EXPECT_EQ(pixel(t.bitmap, t.x + 2, t.y + 6), t.background);
        EXPECT_EQ(pixel(t.bitmap, t.x + 28, t.y + 20), t.background);
        // The draw after useShader is the sprite as it is.
        EXPECT_EQ(pixel(t.bitmap, t.plainX + 6, t.plainY + 6), grey);
        EXPECT_EQ(pixel(t.bitmap, t.plainX + 13, t.plainY + 6), shade);
        EXPECT_EQ(pixel(t.bitmap, t.plainX + 3, t.plainY + 6), t.background);
    }
}

TEST_F(RecolourTest, AnyBaseColourAndOutlineOnlySettings)
{
    RecolourSettings flash;
    flash.newCol = al_map_rgb(255, 255, 255);
    flash.baseColAny = true;
    setRecolour(flash);
    drawSprite(canvas(), sprite_, 0, 0, false);
    useShader();
    for (int x : {6, 13, 17, 21})
        EXPECT_EQ(pixel(canvas(), x, 6), (Rgba{255, 255, 255, 255})) << x;
    EXPECT_EQ(pixel(canvas(), 3, 6), blue);

    RecolourSettings outlineOnly;
    outlineOnly.outlineCol = al_map_rgb(255, 255, 0);
    setRecolour(outlineOnly);
    drawSprite(canvas(), sprite_, 100, 0, false);
    useShader();
    EXPECT_EQ(pixel(canvas(), 106, 6), grey);
    EXPECT_EQ(pixel(canvas(), 113, 6), shade);
    EXPECT_EQ(pixel(canvas(), 103, 6), (Rgba{255, 255, 0, 255}));
}

TEST_F(RecolourTest, MirroredScaledAndTranslucentDrawsAreRecolouredToo)
{
    setRecolour(toRed());
    drawBitmap(canvas(), getBitmap(sprite_), 0, 0, true, 255);
    drawSpriteScaledRotated(canvas(), sprite_, 0, 0, 100, 100, 0.0f, 2.0f, 255);
    drawBitmap(other_->bitmap, getBitmap(sprite_), 0, 0, false, 128);
    useShader();
    // Mirrored: the grey columns 4-11 land on 20-27.
    EXPECT_EQ(pixel(canvas(), 25, 6), red);
    EXPECT_EQ(pixel(canvas(), 14, 6), black);
    EXPECT_EQ(pixel(canvas(), 28, 6), green);
    // Doubled: column 6 lands on 112-113, and the outline is two pixels wide.
    EXPECT_EQ(pixel(canvas(), 112, 112), red);
    EXPECT_EQ(pixel(canvas(), 106, 112), green);
    EXPECT_EQ(pixel(canvas(), 107, 112), green);
    // Half alpha onto a transparent bitmap: red at half strength, premultiplied.
    Rgba half = pixel(other_->bitmap, 6, 6);
    EXPECT_NEAR(half[0], 128, 2);
    EXPECT_NEAR(half[3], 128, 2);
    EXPECT_EQ(half[1], 0);
}

TEST_F(RecolourTest, DrawsLandOnEveryRecreatedCanvas)
{
    for (int round = 0; round < 6; ++round) {
        createScreenBitmap(1 + round % 2);
        clearBitmap(*screenBitmap);
        drawSprite(screenBitmap->bitmap, sprite_, 40, 40, false);
        EXPECT_EQ(pixel(screenBitmap->bitmap, 46, 46), grey) << round;
        EXPECT_EQ(pixel(screenBitmap->bitmap, 43, 46), black) << round;
    }
    createScreenBitmap(1);
}

TEST_F(RecolourTest, VideoModeChangeOnTheSameAdapterResizesInPlace)
{
    ALLEGRO_DISPLAY* before = display;
    testing::internal::CaptureStderr();
    // An adapter number past the last one means the default adapter.
    setVideoMode(800, 600, true, al_get_num_video_adapters());
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(display, before);
    EXPECT_EQ(al_get_display_width(display), 800);
    for (const char* line : {"Changing video mode to 800x600, windowed\n", "Resize display\n",
                             "Changed video mode to 800x600, windowed, "})
        EXPECT_NE(log.find(line), std::string::npos) << line << log;
    EXPECT_EQ(log.find("Create display"), std::string::npos) << log;
    // The canvas was re-created at the logical size and draws still land.
    ASSERT_TRUE(screenBitmap && screenBitmap->bitmap);
    EXPECT_EQ(screenBitmap->width(), screenWidth);
    setRecolour(toRed());
    drawSprite(screenBitmap->bitmap, sprite_, 0, 0, false);
    useShader();
    EXPECT_EQ(pixel(screenBitmap->bitmap, 6, 6), red);
    setVideoMode(640, 480, true, -1);
}
