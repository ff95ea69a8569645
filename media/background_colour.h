#pragma once
#include <allegro5/allegro.h>

// The arena's background colour, chosen by the accessibility setting.
ALLEGRO_COLOR getBackgroundColour();
