#pragma once
#include <memory>

#include "menus/menu_context.h"

// Which animal photographs the loot-box room may show. Building it writes the
// cats switch, so the first-run prompt is not shown again; on the first run
// it ends with "Done".
std::unique_ptr<TamwickMenu> phobiasMenu(MenuContext& context, bool firstRun);
