#include "menus/debug_menu.h"

#include "frame/config_option.h"
#include "frame/settings.h"
#include "menus/lootbox_room.h"

void debugMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    const int x = context.entryX;
    menu->addHeading(context.headingX, "Debug options - not recommended for most players");
    menu->addBool(x, "Diagnostic mode", &diagnosticMode, context.offOnNames);
    menu->addBool(x, "Show player controller debug", &controllerDebug, context.offOnNames);
    // In memory only: the loot-box room keeps the points it hands out.
    menu->addInt(x, "Set lootbox points", &lootboxPoints, 0, 1000, 1);
    menu->addAction(x, "Go to lootbox room (loot boxes must be enabled)", [] { lootboxRoom(); });
    addEntry(showQuickStartOption, menu.get(), x);
    context.addBackAt(*menu, x);
    context.push(std::move(menu));
}
