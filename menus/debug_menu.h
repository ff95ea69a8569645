#pragma once
#include "menus/menu_context.h"

// Diagnostic switches, the loot-box points and room, and the quick-start switch.
void debugMenu(MenuContext& context);
