#pragma once
#include <memory>

#include "menus/menu_context.h"

std::unique_ptr<TamwickMenu> settingsMenu(MenuContext& context);
// Which photographs the loot-box room may show; on the first run it ends with "Done".
std::unique_ptr<TamwickMenu> phobiasMenu(MenuContext& context, bool firstRun);
