#pragma once
#include <allegro5/allegro.h>

#include "frame/rgb.h"

// 8-bit components of a colour.
int redOf(ALLEGRO_COLOR colour);
int greenOf(ALLEGRO_COLOR colour);
int blueOf(ALLEGRO_COLOR colour);

// How far apart two colours look: the red-mean weighted distance over their
// 8-bit components (0 for equal colours, about 765 from black to white).
float colourDistance(ALLEGRO_COLOR a, ALLEGRO_COLOR b);

ALLEGRO_COLOR toColour(RGB rgb);
RGB toRgb(ALLEGRO_COLOR colour);
// All four components equal.
bool sameColour(const ALLEGRO_COLOR& a, const ALLEGRO_COLOR& b);
