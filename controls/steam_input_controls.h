#pragma once
#include "controls/no_controls.h"

// A controller read through Steam Input. This build never reads one, so it
// behaves as no controls; menus still count it as a controller.
class SteamInputControls final : public NoControls {
};
