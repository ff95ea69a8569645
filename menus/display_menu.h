#pragma once
#include "menus/menu_context.h"

// Screen resolution, the high update rates, the frame-rate counter and vertical sync.
void displaySettingsMenu(MenuContext& context);
