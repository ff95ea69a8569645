#pragma once
#include <memory>

#include "menus/menu_context.h"

// The recorded replays, newest first: Enter plays one with verification,
// Delete removes one after confirmation, and with the replay test option on
// the first entry plays them all in turn.
std::unique_ptr<TamwickMenu> viewReplaysMenu(MenuContext& context);
