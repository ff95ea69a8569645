#pragma once
#include "menus/menu_context.h"

// Recording replays and the replay list's test entry; saved when Settings closes.
void replaySettingsMenu(MenuContext& context);
