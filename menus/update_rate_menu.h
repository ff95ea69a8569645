#pragma once
#include "menus/menu_context.h"

// Slower game speeds (`slowMotion`) or the high update rates; a choice
// restarts the update timer at once, for this session only.
void updateRateMenu(MenuContext& context, bool slowMotion);
