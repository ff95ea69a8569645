#pragma once
#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <string_view>

// Draws text onto `target` through the cached render target. Flags are
// Allegro's alignment: 0 left, ALLEGRO_ALIGN_CENTRE, ALLEGRO_ALIGN_RIGHT.
void drawText(ALLEGRO_BITMAP* target, const ALLEGRO_FONT* font, int x, int y,
              ALLEGRO_COLOR colour, std::string_view text, int flags);
// The number in decimal.
void drawNumber(ALLEGRO_BITMAP* target, const ALLEGRO_FONT* font, int x, int y,
                ALLEGRO_COLOR colour, int number, int flags);
