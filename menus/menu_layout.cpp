#include "menus/menu_layout.h"

#include "media/fonts.h"

TamwickMenuLayoutOptions defaultMenuLayout;
TamwickMenuLayoutOptions listMenuLayout;
TamwickMenuLayoutOptions screenModeMenuLayout;
TamwickMenuLayoutOptions colourEditorMenuLayout;
TamwickMenuLayoutOptions pauseMenuLayout;
TamwickMenuLayoutOptions pauseControllersMenuLayout;

namespace {
void fill(TamwickMenuLayoutOptions& layout, const ALLEGRO_FONT* font, int topY, int spacing,
          std::optional<int> keyRepeat, bool includeHeld)
{
    if (layout.font) {
        layout.font = font;
        return;
    }
    layout = TamwickMenuLayoutOptions{font, topY, spacing, 51, 1, keyRepeat, includeHeld};
}
}

void fillMenuLayouts()
{
    fill(defaultMenuLayout, font30, 300, 48, std::nullopt, false);
    fill(listMenuLayout, font24, 300, 40, std::nullopt, false);
    fill(screenModeMenuLayout, font30, 200, 44, std::nullopt, false);
    fill(colourEditorMenuLayout, font30, 300, 48, 2, false);
    fill(pauseMenuLayout, font30, 100, 48, std::nullopt, true);
    fill(pauseControllersMenuLayout, font24, 20, 48, std::nullopt, true);
}
