#pragma once
#include <memory>

#include "menus/menu_context.h"

// The mode entries and the options of a new game.
std::unique_ptr<TamwickMenu> startGameMenu(MenuContext& context);
