#include "frame/display/display_mode_choice.h"

#include <allegro5/allegro.h>

#include "frame/app_globals.h"
#include "frame/log.h"

DisplayModeChoice chooseDisplayMode(int width, int height, bool windowed, int desktopW,
                                    int desktopH, const std::vector<DisplayModeInfo>& modes)
{
    for (const DisplayModeInfo& mode : modes)
        if (mode.width == width && mode.height == height)
            return {width, height, windowed};

    log("Config screen resolution is invalid - trying desktop res (fullscreen) or first "
        "resolution below desktop (windowed)\n");
    DisplayModeChoice choice{desktopW, desktopH, false};
    if (windowed) {
        for (int i = int(modes.size()) - 2; i >= 0; --i) {
            if (modes[i].width < desktopW && modes[i].height < desktopH) {
                choice = {modes[i].width, modes[i].height, true};
                break;
            }
        }
    }
    if (choice.width == 0 || choice.height == 0)
        choice = {desktopW, desktopH, false};
    return choice;
}

DisplayModeChoice detectDisplayMode(int width, int height, bool windowed)
{
    ALLEGRO_MONITOR_INFO info{};
    // A failed query counts as an empty desktop.
    if (!al_get_monitor_info(0, &info))
        info = ALLEGRO_MONITOR_INFO{};
    desktopWidth = info.x2;
    desktopHeight = info.y2;
    log("Detected desktop resolution: %dx%d\n", desktopWidth, desktopHeight);
    log("Available gfx modes:\n");

    std::vector<DisplayModeInfo> modes;
    int count = al_get_num_display_modes();
    for (int i = 0; i < count; ++i) {
        ALLEGRO_DISPLAY_MODE mode;
        if (!al_get_display_mode(i, &mode))
            continue;
        log("%dx%d, format: %x, %dHz\n", mode.width, mode.height, mode.format, mode.refresh_rate);
        modes.push_back({mode.width, mode.height, mode.format, mode.refresh_rate});
    }
    return chooseDisplayMode(width, height, windowed, desktopWidth, desktopHeight, modes);
}
