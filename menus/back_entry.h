#pragma once
#include "menus/menu_context.h"

// The last entry of a menu on the title screen's stack: asks the title screen
// to close the menu once its update is over.
void addBackEntry(TamwickMenu& menu, MenuContext& context, int x, const char* label = "Back");
