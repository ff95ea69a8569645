#pragma once
#include "menus/menu_context.h"

// Background colour, outlines, bomb, team and player colours, ghost opacity,
// the flashing background, slow motion, and saving or loading these choices.
void accessibilityMenu(MenuContext& context);
// Puts the accessibility choices back as on a fresh install, with the team
// colours; the player colours are rebuilt on their next use.
void resetAccessibilitySettings();
