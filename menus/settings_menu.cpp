#include "menus/settings_menu.h"

// Stand-ins until the settings menus are built.
std::unique_ptr<TamwickMenu> settingsMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    menu->addAction(context.entryX, "Back", [&context] { context.backRequested = true; });
    return menu;
}

std::unique_ptr<TamwickMenu> phobiasMenu(MenuContext& context, bool firstRun)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    menu->addAction(context.entryX, firstRun ? "Done" : "Back",
                    [&context] { context.backRequested = true; });
    return menu;
}
