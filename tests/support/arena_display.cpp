#include "support/arena_display.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_opengl.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/screen_size.h"
#include "game/draw/player_sprite_cache.h"
#include "media/fonts.h"
#include "media/image_search.h"
#include "media/recolour_shader.h"
#include "media/sprites.h"
#include "support/allegro_environment.h"
#include "support/placeholder_assets.h"
#include "support/screen_capture.h"
#include "support/temp_folder.h"
#include "support/working_folder.h"

namespace fs = std::filesystem;

namespace {

// The folder with the assets: the generated run folder, or placeholder assets.
struct AssetFolder {
    AssetFolder()
    {
        const fs::path run(TAMWICK_RUN_DIR);
        if (hasCompleteAssets(run)) {
            here = std::make_unique<ScopedWorkingFolder>(run);
        } else {
            temp = std::make_unique<TempFolder>();
            writePlaceholderRunFolder(temp->path());
            here = std::make_unique<ScopedWorkingFolder>(temp->path());
        }
        forgetImageIndex();
    }
    std::unique_ptr<TempFolder> temp;
    std::unique_ptr<ScopedWorkingFolder> here;
};

// Everything Allegro made goes before Allegro uninstalls itself at exit:
// registered after the system's own handler, this runs first.
void releaseDisplayObjects()
{
    clearPlayerSpriteCache();
    screenBitmap.reset();
    backbufferBitmap.reset();
    destroySprites();
    destroyFonts();
    destroyShaders();
}

}

void ensureArenaDisplay()
{
    ensureAllegroSystem();
    static const bool releasedAtExit = [] { return std::atexit(releaseDisplayObjects) == 0; }();
    (void)releasedAtExit;
    if (!al_is_image_addon_initialized())
        al_init_image_addon();
    if (!al_is_primitives_addon_initialized())
        al_init_primitives_addon();
    if (!al_is_font_addon_initialized())
        al_init_font_addon();
    if (!al_is_ttf_addon_initialized())
        al_init_ttf_addon();
    if (!al_is_keyboard_installed())
        al_install_keyboard();
    if (!eventQueue)
        eventQueue = al_create_event_queue();
    static AssetFolder assets;
    if (!display)
        setVideoMode(640, 480, true, -1);
    if (!recolourShader)
        createShaders();
    if (!builtinFont)
        loadFonts();
}

bool finishDrawing()
{
    static const auto glFinish = reinterpret_cast<void (*)()>(al_get_opengl_proc_address("glFinish"));
    if (glFinish)
        glFinish();
    return glFinish != nullptr;
}

void makeArenaCanvas(int cellsWide, int cellsHigh)
{
    screenWidth = cellsWide * 32;
    screenHeight = cellsHigh * 32;
    screenBitmap.reset();
    screenBitmap = std::make_shared<BitmapWrapper>(screenWidth, screenHeight, false);
}

fs::path saveCanvasScreenshot(const std::string& name)
{
    const fs::path path = screenshotFile(name + ".png");
    if (!screenBitmap || !al_save_bitmap(path.string().c_str(), screenBitmap->bitmap))
        throw std::runtime_error("cannot save " + path.string());
    return path;
}

CanvasPixels::CanvasPixels()
{
    if (!screenBitmap || !screenBitmap->bitmap)
        throw std::runtime_error("no canvas to read");
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS | ALLEGRO_STATE_TARGET_BITMAP);
    // Reading back does not wait for drawing still under way on the renderer.
    finishDrawing();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE);
    copy_ = al_clone_bitmap(screenBitmap->bitmap);
    al_restore_state(&state);
    if (!copy_)
        throw std::runtime_error("cannot copy the canvas");
    width_ = al_get_bitmap_width(copy_);
    height_ = al_get_bitmap_height(copy_);
    region_ = al_lock_bitmap(copy_, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    if (!region_)
        throw std::runtime_error("cannot lock the canvas copy");
}

CanvasPixels::~CanvasPixels()
{
    if (region_)
        al_unlock_bitmap(copy_);
    if (copy_)
        al_destroy_bitmap(copy_);
}

Rgba CanvasPixels::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("pixel outside the canvas");
    const auto* row = static_cast<const unsigned char*>(region_->data) + std::ptrdiff_t(y) * region_->pitch;
    const unsigned char* p = row + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

int CanvasPixels::count(int x1, int y1, int x2, int y2, Rgba colour) const
{
    int n = 0;
    for (int y = std::max(y1, 0); y < std::min(y2, height_); ++y)
        for (int x = std::max(x1, 0); x < std::min(x2, width_); ++x)
            n += at(x, y) == colour;
    return n;
}

int CanvasPixels::countOther(int x1, int y1, int x2, int y2, Rgba colour) const
{
    const int area = (std::min(x2, width_) - std::max(x1, 0)) * (std::min(y2, height_) - std::max(y1, 0));
    return std::max(area, 0) - count(x1, y1, x2, y2, colour);
}
