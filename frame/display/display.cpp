#include "frame/display/display.h"

#include <fmt/format.h>
#include <stdexcept>
#include <string>

#include "frame/app_globals.h"
#include "frame/log.h"
#include "frame/settings.h"
#include "media/bitmap_draw.h"
#include "media/present_shader.h"
#include "media/recolour_shader.h"
#include "media/render_target.h"

ALLEGRO_DISPLAY* display = nullptr;
BitmapPtr screenBitmap;
BitmapPtr backbufferBitmap;

const std::map<int, Vector2> screenSizes = {
    {0, {1920, 1080}}, {1, {640, 480}}, {2, {640, 640}}, {3, {640, 720}}, {4, {640, 960}},
};

Rect letterboxRect(int bw, int bh, int logicalWidth, int logicalHeight)
{
    Rect r{0, 0, bw, bh};
    if (float(bw) / float(bh) > float(logicalWidth) / float(logicalHeight))
        r.width = int(float(bh) / float(logicalHeight) * float(logicalWidth));
    else
        r.height = int(float(bw) / float(logicalWidth) * float(logicalHeight));
    r.x = (bw - r.width) / 2;
    r.y = (bh - r.height) / 2;
    return r;
}

namespace {

// Without a keyboard driver there is no keyboard event source (asking for one
// aborts); screens poll the keyboard, so nothing is lost without its events.
void registerDisplaySources()
{
    al_register_event_source(eventQueue, al_get_display_event_source(display));
    if (al_is_keyboard_installed())
        al_register_event_source(eventQueue, al_get_keyboard_event_source());
}

void unregisterDisplaySources()
{
    al_unregister_event_source(eventQueue, al_get_display_event_source(display));
    if (al_is_keyboard_installed())
        al_unregister_event_source(eventQueue, al_get_keyboard_event_source());
}

void createDisplay(int width, int height)
{
    display = al_create_display(width, height);
    // A new display makes its backbuffer Allegro's target behind the cache's back.
    resetTargetCache();
    if (!display)
        throw std::runtime_error("Failed to create display");
}

}

bool setVideoMode(int width, int height, bool windowed, int adapter)
{
    if (windowed)
        log("Changing video mode to %dx%d, windowed\n", width, height);
    else
        log("Changing video mode to fullscreen window\n");
    flushLog();

    log("Setting display flags\n");
    al_set_new_display_flags(ALLEGRO_WINDOWED | ALLEGRO_OPENGL | ALLEGRO_PROGRAMMABLE_PIPELINE |
                             (windowed ? 0 : ALLEGRO_FULLSCREEN_WINDOW));
    al_set_new_display_option(ALLEGRO_VSYNC, vsyncEnabled ? 1 : 2, ALLEGRO_SUGGEST);
    if (adapter < -1 || adapter >= al_get_num_video_adapters())
        adapter = -1;

    bool isNew = false;
    if (!display) {
        logStdString(fmt::format("Adapter: {}\n", adapter));
        al_set_new_display_adapter(adapter);
        logStdString(fmt::format("Create display: {} {}\n", width, height));
        createDisplay(width, height);
        isNew = true;
    } else if (adapter == al_get_new_display_adapter()) {
        log("Resize display\n");
        // The flag goes first: a window still flagged fullscreen ignores the
        // resize and keeps the desktop size.
        al_set_display_flag(display, ALLEGRO_FULLSCREEN_WINDOW, !windowed);
        if (windowed)
            al_resize_display(display, width, height);
    } else {
        log("Destroying shaders\n");
        destroyShaders();
        unregisterDisplaySources();
        logStdString(fmt::format("Switch to adapter {}\n", adapter));
        al_set_new_display_adapter(adapter);
        // The canvas and the backbuffer wrapper belong to the old display.
        backbufferBitmap.reset();
        screenBitmap.reset();
        al_destroy_display(display);
        display = nullptr;
        resetTargetCache();
        createDisplay(width, height);
        createShaders();
        isNew = true;
    }
    al_hide_mouse_cursor(display);
    if (isNew) {
        log("Register event sources\n");
        registerDisplaySources();
    }
    al_set_window_title(display, "Tamwick");

    std::string description =
        windowed ? fmt::format("{}x{}, windowed", width, height) : std::string("fullscreen window");
    int colourSize = al_get_display_option(display, ALLEGRO_COLOR_SIZE);
    bool singleBuffer = al_get_display_option(display, ALLEGRO_SINGLE_BUFFER) != 0;
    logStdString(fmt::format("Changed video mode to {}, {} bit colour, {}\n", description,
                             colourSize, singleBuffer ? "single buffered" : "non single buffered"));
    flushLog();

    setWindowIcon();
    screenBitmap = std::make_shared<BitmapWrapper>(screenWidth, screenHeight, false);
    backbufferBitmap = std::make_shared<BitmapWrapper>(al_get_backbuffer(display), false);
    al_convert_memory_bitmaps();
    // Converting re-creates bitmaps, the target among them.
    resetTargetCache();
    return true;
}

void createScreenBitmap(int sizeId)
{
    if (backbufferBitmap)
        clearBitmap(*backbufferBitmap);
    Vector2 size = screenSizes.at(sizeId);
    screenWidth = size.x;
    screenHeight = size.y;
    screenBitmap = std::make_shared<BitmapWrapper>(screenWidth, screenHeight, false);
    resetTargetCache();
}

void drawCanvasOntoBackbuffer()
{
    // Nothing to present onto before the display exists.
    if (!backbufferBitmap || !screenBitmap || !screenBitmap->bitmap)
        return;
    int bw = backbufferBitmap->width();
    int bh = backbufferBitmap->height();
    Rect dest = letterboxRect(bw, bh, screenWidth, screenHeight);
    drawBitmapScaledPlain(backbufferBitmap->bitmap, screenBitmap->bitmap, 0, 0, screenBitmap->width(),
                          screenBitmap->height(), dest.x, dest.y, dest.width, dest.height);
}

void presentFrame()
{
    if (!backbufferBitmap || !screenBitmap || !screenBitmap->bitmap)
        return;
    drawCanvasOntoBackbuffer();
    al_flip_display();
}

void restartTimer(int rate)
{
    if (!isValidUpdateRate(rate))
        throw std::invalid_argument("Invalid update rate: " + std::to_string(rate));
    ALLEGRO_TIMER* timer = al_create_timer(1.0 / rate);
    if (!timer)
        throw std::runtime_error("Failed to create the update timer");
    if (updateTimer)
        al_destroy_timer(updateTimer);
    updateTimer = timer;
    al_register_event_source(eventQueue, al_get_timer_event_source(updateTimer));
    al_start_timer(updateTimer);
}
