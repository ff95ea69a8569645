#pragma once
#include <allegro5/allegro_font.h>

extern ALLEGRO_FONT* builtinFont;
extern ALLEGRO_FONT* font30;
extern ALLEGRO_FONT* font24;
extern ALLEGRO_FONT* font20;
extern ALLEGRO_FONT* font64;

// Creates the five fonts; throws "Error loading fonts!" when one fails.
void loadFonts();
// Releases the fonts (orderly shutdown).
void destroyFonts();
