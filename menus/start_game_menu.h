#pragma once
#include <memory>

#include "menus/menu_context.h"

// The mode entries and the options of a new game. A mode entry sets the game
// mode and plays a game nested inside the entry's action.
std::unique_ptr<TamwickMenu> startGameMenu(MenuContext& context);
// The modes Everything combines, their points, and the entry that begins it.
std::unique_ptr<TamwickMenu> everythingOptionsMenu(MenuContext& context);
