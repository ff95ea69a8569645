#include "menus/screen_mode_change.h"

#include <allegro5/allegro.h>
#include <fmt/format.h>

#include "frame/config.h"
#include "frame/display/display.h"
#include "frame/log.h"
#include "menus/menu_dialogs.h"

ScreenModeDisplay allegroScreenModeDisplay()
{
    ScreenModeDisplay d;
    d.current = [] {
        ScreenMode mode;
        if (backbufferBitmap) {
            mode.width = backbufferBitmap->width();
            mode.height = backbufferBitmap->height();
        }
        mode.windowed = (al_get_new_display_flags() & ALLEGRO_FULLSCREEN_WINDOW) == 0;
        mode.display = al_get_new_display_adapter();
        return mode;
    };
    d.change = [](const ScreenMode& mode) { setVideoMode(mode.width, mode.height, mode.windowed, mode.display); };
    d.adapterCount = [] { return al_get_num_video_adapters(); };
    d.modeSizes = [] {
        std::vector<std::pair<int, int>> sizes;
        const int count = al_get_num_display_modes();
        for (int i = 0; i < count; ++i) {
            ALLEGRO_DISPLAY_MODE mode;
            if (al_get_display_mode(i, &mode))
                sizes.emplace_back(mode.width, mode.height);
        }
        return sizes;
    };
    return d;
}

std::string describeScreenMode(int width, int height, bool windowed, int display, int adapterCount)
{
    if (windowed)
        return fmt::format("Windowed, {}x{}", width, height);
    if (adapterCount < 2)
        return "Fullscreen window";
    if (display < 0)
        return "Fullscreen window (default display)";
    return fmt::format("Fullscreen window (display {})", display + 1);
}

void applyScreenMode(ScreenMode& selection, const ScreenMode& mode, const ScreenModeDisplay& display)
{
    // New displays always carry the windowed flag, full-screen ones the
    // full-screen-window flag besides: that one tells the two apart.
    const ScreenMode earlier = display.current();
    display.change(mode);
    if (menuDialogs.message({"Confirm screen mode change", "Y or bomb button to confirm", "ESC or Button 2 to undo"},
                            ALLEGRO_KEY_Y, ALLEGRO_KEY_ESCAPE)) {
        log("Mode change confirmed\n");
        setConfigInt("video", "width", mode.width);
        setConfigInt("video", "height", mode.height);
        setConfigInt("video", "windowed", mode.windowed);
        setConfigInt("video", "display", mode.display);
        selection.windowed = mode.windowed;
    } else {
        log("Mode change cancelled\n");
        display.change(earlier);
        selection.windowed = earlier.windowed;
        selection.display = earlier.display;
    }
}
