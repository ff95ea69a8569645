#pragma once
#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <string_view>

// Small pieces the arena and player drawing share.

// The screen bitmap every round is drawn into, or null before there is one.
ALLEGRO_BITMAP* roundCanvas();

// White text centred on x.
void drawCentredText(ALLEGRO_BITMAP* target, const ALLEGRO_FONT* font, int x, int y,
                     std::string_view text);

// Eight copies of `source` on a circle of `radius` around (x, y), at angles
// 0, 45, ... 315 degrees: something converging on a cell as the radius shrinks.
void drawEightAround(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int x, int y, float radius,
                     int alpha);

// The opacity of a player waiting to respawn: it fades in as `respawnTimer`
// runs down. The first 255 of twice the timer are scaled down by the
// update-rate multiplier, so at twice the rate a player never shows fainter
// than half.
int respawnFadeAlpha(int respawnTimer, int multiplier);
