#include "media/fonts.h"

#include <stdexcept>

ALLEGRO_FONT* builtinFont = nullptr;
ALLEGRO_FONT* font30 = nullptr;
ALLEGRO_FONT* font24 = nullptr;
ALLEGRO_FONT* font20 = nullptr;
ALLEGRO_FONT* font64 = nullptr;

// Stand-in until the TrueType faces are loaded: every size uses the built-in font.
void loadFonts()
{
    builtinFont = al_create_builtin_font();
    if (!builtinFont)
        throw std::runtime_error("Error loading fonts!");
    font30 = font24 = font20 = font64 = builtinFont;
}

void destroyFonts()
{
    if (builtinFont)
        al_destroy_font(builtinFont);
    builtinFont = font30 = font24 = font20 = font64 = nullptr;
}
