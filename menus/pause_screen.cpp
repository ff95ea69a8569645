#include "menus/pause_screen.h"

#include <allegro5/allegro.h>

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/log.h"
#include "frame/settings.h"
#include "media/bitmap_draw.h"
#include "media/fonts.h"
#include "media/text.h"
#include "menus/audio_menu.h"
#include "menus/menu_input.h"

namespace {

// Drawing black over the picture with this tint leaves about an eighth of
// its brightness.
constexpr int darkening = 224;

BitmapPtr frozenCopyOfScreen(bool darken)
{
    auto picture = std::make_shared<BitmapWrapper>(screenBitmap->width(), screenBitmap->height(), false);
    drawBitmapOnto(*screenBitmap, *picture, 0, 0, 255);
    if (darken) {
        BitmapWrapper black(picture->width(), picture->height(), false);
        clearBitmap(black);
        drawBitmapTinted(picture->bitmap, black.bitmap, 0, 0, darkening, darkening, darkening, darkening);
    }
    return picture;
}

}

PauseScreen::PauseScreen(bool darken)
    : picture_(frozenCopyOfScreen(darken)),
      x_(screenBitmap->width() > 900 ? screenBitmap->width() / 2 - 300 : 40),
      rootLayout_(screenBitmap->height() > 300 ? &pauseMenuLayout : &pauseControllersMenuLayout)
{
    // Enter or a bomb button still held from the game never picks an entry.
    isMenuInputPressed(ALLEGRO_KEY_ENTER, menuControlMode, true);
    pushRootMenu();
}

void PauseScreen::pushRootMenu()
{
    auto menu = std::make_unique<TamwickMenu>(rootLayout_, noMenuCloseAction);
    menu->addAction(x_, "Resume game", [this] { resume_ = true; });
    menu->addAction(x_, "Sound options", [this] { menuAudio(picture_, rootLayout_, x_); });
    menu->addAction(x_, "Reassign controls", [this] { controlAssignmentsMenu(); });
    menu->addAction(x_, "Quit to main menu", [this] { quit_ = true; });
    stack_.push_back(std::move(menu));
}

void PauseScreen::update()
{
    if (back_) {
        stack_.pop_back();
        back_ = false;
    } else if (isMenuInputPressed(ALLEGRO_KEY_ESCAPE, menuControlMode, false) && stack_.size() >= 2) {
        // Escape closes a submenu; on the pause menu itself it does nothing.
        stack_.pop_back();
    }
    if (stack_.empty())
        return;
    TamwickMenu& menu = *stack_.back();
    const int before = menu.selected;
    menu.update(screenBitmap->height() - 1);
    // Which entry is chosen, when the choice moves: what a player did in
    // the pause is then in the log.
    if (&menu == stack_.back().get() && menu.selected != before)
        logLine("Pause menu selection: " + menu.buttons[std::size_t(menu.selected)]->labelText() + "\n");
}

void PauseScreen::render()
{
    drawBitmapOnto(*picture_, *screenBitmap, 0, 0, 255);
    if (!stack_.empty())
        stack_.back()->draw(*screenBitmap);
}

void PauseScreen::renderReleasePrompt()
{
    drawBitmapOnto(*picture_, *screenBitmap, 0, 0, 255);
    drawText(screenBitmap->bitmap, font30, screenBitmap->width() / 2, screenBitmap->height() / 2,
             al_map_rgb(255, 255, 255), "Release bomb button to resume!", ALLEGRO_ALIGN_CENTRE);
}

bool PauseScreen::done() const
{
    return resume_ || quitChosen();
}

bool PauseScreen::quitChosen() const
{
    // Closing the window quits the game, as the menu's quit does.
    return quit_ || quitRequested;
}
