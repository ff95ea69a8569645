#include "menus/screen_mode_menu.h"

#include <set>

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "media/bitmap_draw.h"
#include "media/bitmap_wrapper.h"
#include "menus/menu_input.h"
#include "menus/title_animation.h"
#include "menus/wrapped_lines.h"

ScreenModeScreen::ScreenModeScreen(ScreenModeDisplay display)
    : menu(&screenModeMenuLayout, noMenuCloseAction), display_(std::move(display))
{
    selection = display_.current();
    selection.display = -1;
    const int x = screenWidth / 2 - 200;

    const int adapters = display_.adapterCount();
    for (int adapter = -1; adapter < (adapters >= 2 ? adapters : 0); ++adapter) {
        menu.addAction(x, describeScreenMode(0, 0, false, adapter, adapters), [this, adapter] {
            selection.windowed = false;
            selection.display = adapter;
        });
    }
    std::set<std::pair<int, int>> listed;
    for (const auto& [width, height] : display_.modeSizes()) {
        if (width < 800 || height < 600 || !listed.insert({width, height}).second)
            continue;
        menu.addAction(x, describeScreenMode(width, height, true, -1, adapters), [this, width = width, height = height] {
            selection.width = width;
            selection.height = height;
            selection.windowed = true;
        });
    }
    menu.addAction(x, "Apply", [this] {
        const ScreenMode wanted = selection;
        applyScreenMode(selection, wanted, display_);
    });
    menu.addAction(x, "Previous", [this] { back_ = true; });
}

void ScreenModeScreen::update(int lowestY)
{
    if (isMenuInputPressed(ALLEGRO_KEY_ESCAPE, menuControlMode, false))
        back_ = true;
    menu.update(lowestY);
}

void ScreenModeScreen::render(BitmapWrapper& target)
{
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    const int adapters = display_.adapterCount();
    clearBitmap(target);
    drawLogo(screenWidth / 2, false);
    menu.draw(target);
    const ScreenMode current = display_.current();
    drawWrappedLines(target.bitmap,
                     "Current mode: " + describeScreenMode(current.width, current.height, current.windowed,
                                                           current.display, adapters),
                     50, 200, 30, white);
    drawWrappedLines(target.bitmap,
                     "Selected mode: " + describeScreenMode(selection.width, selection.height, selection.windowed,
                                                            selection.display, adapters),
                     50, 350, 30, white);
}

bool ScreenModeScreen::done() const
{
    return back_ || quitRequested;
}

void menuScreenMode()
{
    ScreenModeScreen screen(allegroScreenModeDisplay());
    // Each mode change makes a new canvas: it is fetched afresh every time.
    runLoop([&] { screen.update(screenBitmap->height() - 1); }, [&] { screen.render(*screenBitmap); },
            [&] { return screen.done(); }, {}, false, false);
}
