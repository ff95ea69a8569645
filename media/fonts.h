#pragma once
#include <allegro5/allegro_font.h>

extern ALLEGRO_FONT* builtinFont;
extern ALLEGRO_FONT* font30;
extern ALLEGRO_FONT* font24;
extern ALLEGRO_FONT* font20;
extern ALLEGRO_FONT* font64;

// The TrueType face every text is drawn in.
inline constexpr const char* fontFile = "fonts/OCRA.ttf";

// Creates the five fonts (the font and TTF addons must be initialised);
// throws "Error loading fonts! (in <working folder>)" when one fails.
void loadFonts();
// Releases the fonts (orderly shutdown).
void destroyFonts();
