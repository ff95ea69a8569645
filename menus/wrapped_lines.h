#pragma once
#include <allegro5/allegro.h>
#include <string>

// The text word-wrapped at 30 characters and split at its line breaks, each
// line left-aligned in the 30-point font from (x, y) down, `lineHeight` apart.
void drawWrappedLines(ALLEGRO_BITMAP* target, const std::string& text, int x, int y, int lineHeight,
                      ALLEGRO_COLOR colour);
