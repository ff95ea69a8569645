#pragma once
#include <memory>

#include "menus/menu_context.h"
#include "menus/phobias_menu.h"

// The root of the settings: display, sound, replays, accessibility, phobias,
// debug, the menu control mode and the profiling screen. When it closes it
// saves the menu control mode and the replay and frame-rate switches.
std::unique_ptr<TamwickMenu> settingsMenu(MenuContext& context);
// What closing the Settings menu saves, each key saving the file.
void saveSettingsOnClose();
