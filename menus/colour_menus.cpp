#include "menus/colour_menus.h"

#include <fmt/format.h>

#include "frame/app_globals.h"
#include "media/palette.h"
#include "menus/colour_editor.h"

namespace {

// The entries point into the table: it keeps its size while the menu is open.
void addColourEntries(TamwickMenu& menu, int x, std::vector<RGB>& table, const char* labelFormat)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        RGB* colour = &table[i];
        menu.addAction(x, fmt::format(fmt::runtime(labelFormat), i + 1), [colour] { menuEditColour(*colour); },
                       {}, colour);
    }
}

}

void teamColoursMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    addColourEntries(*menu, context.entryX, colours, "Edit team {} colour");
    context.addBack(*menu);
    context.push(std::move(menu));
}

void playerColoursMenu(MenuContext& context)
{
    buildColourPalette();
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    menu->addHeading(context.entryX - 150, "Note - player colours are reset on");
    menu->addHeading(context.entryX - 150, "changing background colour");
    addColourEntries(*menu, context.entryX, playerColours, "Edit player {} colour");
    context.addBack(*menu);
    context.push(std::move(menu));
}
