#include "menus/start_game_menu.h"

// Stand-in until the game set-up menus are built.
std::unique_ptr<TamwickMenu> startGameMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    menu->addAction(context.entryX, "Back", [&context] { context.backRequested = true; });
    return menu;
}
