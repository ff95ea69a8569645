#pragma once
#include "menus/menu_context.h"

// Why the arena flashes before it shrinks, and the switch that stops it.
void flashingBackgroundMenu(MenuContext& context);
