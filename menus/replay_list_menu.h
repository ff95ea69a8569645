#pragma once
#include <memory>

#include "menus/menu_context.h"

// The recorded replays: play, delete, test them all.
std::unique_ptr<TamwickMenu> viewReplaysMenu(MenuContext& context);
