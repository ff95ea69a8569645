#include "menus/replay_list_menu.h"

// Stand-in until the replay list is built.
std::unique_ptr<TamwickMenu> viewReplaysMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&listMenuLayout, noMenuCloseAction);
    menu->addAction(context.entryX, "Back", [&context] { context.backRequested = true; });
    return menu;
}
