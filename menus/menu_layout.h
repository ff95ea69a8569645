#pragma once
#include <allegro5/allegro_font.h>
#include <optional>

// How a menu lays out and reads its entries; shared by reference between menus.
struct TamwickMenuLayoutOptions {
    const ALLEGRO_FONT* font = nullptr;
    int topY = 0;
    int spacing = 0;
    int entryHeight = 0;
    int textMode = 1;
    std::optional<int> keyRepeat;
    bool includeHeldControls = false;
};

extern TamwickMenuLayoutOptions defaultMenuLayout;
extern TamwickMenuLayoutOptions listMenuLayout;
extern TamwickMenuLayoutOptions screenModeMenuLayout;
extern TamwickMenuLayoutOptions colourEditorMenuLayout;
extern TamwickMenuLayoutOptions pauseMenuLayout;
extern TamwickMenuLayoutOptions pauseControllersMenuLayout;

// Fills the six layouts once the fonts are loaded; layouts already holding a
// font only get their font renewed.
void fillMenuLayouts();
