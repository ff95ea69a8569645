#include "media/fonts.h"

#include <allegro5/allegro_ttf.h>
#include <stdexcept>

#include "frame/game_files.h"

ALLEGRO_FONT* builtinFont = nullptr;
ALLEGRO_FONT* font30 = nullptr;
ALLEGRO_FONT* font24 = nullptr;
ALLEGRO_FONT* font20 = nullptr;
ALLEGRO_FONT* font64 = nullptr;

namespace {

ALLEGRO_FONT* loadFace(int size)
{
    return al_load_ttf_font(fontFile, size, ALLEGRO_TTF_MONOCHROME);
}

}

void loadFonts()
{
    destroyFonts();
    builtinFont = al_create_builtin_font();
    font30 = loadFace(30);
    font24 = loadFace(24);
    font20 = loadFace(20);
    font64 = loadFace(64);
    if (!builtinFont || !font30 || !font24 || !font20 || !font64)
        throw std::runtime_error("Error loading fonts!" + inWorkingFolder());
}

void destroyFonts()
{
    for (ALLEGRO_FONT** font : {&builtinFont, &font30, &font24, &font20, &font64}) {
        if (*font)
            al_destroy_font(*font);
        *font = nullptr;
    }
}
