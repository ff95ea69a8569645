#pragma once
#include "menus/menu_context.h"

// One entry per team colour, drawn in that colour, each opening the colour editor.
void teamColoursMenu(MenuContext& context);
// The same for every colour of the player palette (built first if need be).
void playerColoursMenu(MenuContext& context);
