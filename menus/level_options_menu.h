#pragma once
#include <memory>

#include "menus/menu_context.h"

// The custom game options: the level, and below it the players, the Snake
// Hunter snakes and which powerups may appear. Each entry edits the live game
// options in place; nothing is saved.
std::unique_ptr<TamwickMenu> levelOptionsMenu(MenuContext& context);
std::unique_ptr<TamwickMenu> playerOptionsMenu(MenuContext& context);
std::unique_ptr<TamwickMenu> snakeHunterOptionsMenu(MenuContext& context);
std::unique_ptr<TamwickMenu> customisePowerupsMenu(MenuContext& context);
