#pragma once
#include "menus/screen_mode_change.h"
#include "menus/tamwick_menu.h"

class BitmapWrapper;

// Full-screen windows per adapter and every window size of at least 800x600,
// with the current and the selected mode beside them; "Apply" switches and
// asks to keep the new mode.
class ScreenModeScreen {
public:
    explicit ScreenModeScreen(ScreenModeDisplay display);

    // Escape (or a menu controller's button 2) leaves, like "Previous".
    void update(int lowestY);
    void render(BitmapWrapper& target);
    bool done() const;

    TamwickMenu menu;
    ScreenMode selection;

private:
    ScreenModeDisplay display_;
    bool back_ = false;
};

// Runs the screen on the program's display until the player leaves it.
void menuScreenMode();
