#include "menus/credits_screen.h"

#include <allegro5/allegro.h>
#include <cmath>

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/game_ids.h"
#include "media/bitmap_draw.h"
#include "media/fonts.h"
#include "media/text.h"
#include "menus/title_animation.h"

namespace {

constexpr RGB pink{255, 208, 208};
constexpr RGB green{208, 255, 208};
constexpr RGB blue{208, 208, 255};
constexpr RGB grey{192, 192, 192};
constexpr RGB white{255, 255, 255};

constexpr int firstLineY = 190;
constexpr int largeLineHeight = 33;
constexpr int smallLineHeight = 24;

const char* const freeLicence = "https://creativecommons.org/publicdomain/zero/1.0/";

}

const std::vector<CreditLine>& creditLines()
{
    static const std::vector<CreditLine> lines = {
        {true, pink, "Design and programming"},
        {true, green, "The Tamwick developers"},
        {false, blue, ""},
        {true, blue, "Graphics and animation"},
        {true, pink, "The Tamwick asset generator    The Tamwick developers"},
        {true, green, ""},
        {true, green, "Music"},
        {true, blue, "Zoo and Who Likes To Party: the Tamwick music generator"},
        {true, blue, "Breakdown and If Not Now When: the Tamwick music generator"},
        {false, blue, "\"Who Likes To Party\" by the Tamwick music generator, encoded with Ogg Vorbis"},
        {false, blue, "The music is dedicated to the public domain (CC0 1.0)"},
        {false, blue, freeLicence},
        {true, blue, ""},
        {true, pink, "Sound effects"},
        {true, green, "The Tamwick sound synthesiser"},
        {false, green, "\"Gong2\" by the Tamwick sound synthesiser"},
        {false, green, freeLicence},
        {true, blue, ""},
        {true, blue, "Font"},
        {true, pink, "OCR-A by John Sauter"},
        {true, blue, ""},
        {true, green, "Special thanks"},
        {true, blue, "The Allegro 5 developers, the zlib, fmt and Boost authors"},
        {true, blue, "Everyone who played the early builds and sent their logs"},
        {true, blue, ""},
        {true, grey, "No animals were harmed in the making of the photographs"},
        {true, blue, ""},
        {true, white, "Press ESC or Button 2"},
    };
    return lines;
}

CreditsScreen::CreditsScreen(int width, int height)
    : width_(width), height_(height), escape_(ALLEGRO_KEY_ESCAPE)
{
}

void CreditsScreen::update()
{
    a1_ += 0.01f;
    a2_ += 0.015f;
    a3_ += 0.007f;
    a4_ += 0.005f;
    logoX = std::sin(a1_) * float(width_) * 0.5f + float(width_ / 2);
    logoY = std::cos(a2_) * float(height_) * 0.5f + float(height_ / 2);
    angle = std::sin(a3_) * 255.0f;
    zoom = std::sin(a4_) * 0.8f + 1.0f;
    if (escape_.pressed())
        done_ = true;
}

void CreditsScreen::render()
{
    if (!screenBitmap)
        return;
    ALLEGRO_BITMAP* canvas = screenBitmap->bitmap;
    const int centreX = width_ / 2;
    clearBitmap(*screenBitmap);
    drawLogo(centreX, false);
    drawSpriteScaledRotated(canvas, SpriteId::Zev, 0, 0, int(logoX), int(logoY), angle, zoom, 255);
    int y = firstLineY;
    for (const CreditLine& line : creditLines()) {
        const ALLEGRO_COLOR colour = al_map_rgb(line.colour.r, line.colour.g, line.colour.b);
        drawText(canvas, line.large ? font24 : font20, centreX, y, colour, line.text, ALLEGRO_ALIGN_CENTRE);
        y += line.large ? largeLineHeight : smallLineHeight;
    }
}

bool CreditsScreen::done() const
{
    // Closing the window ends every screen.
    return done_ || quitRequested;
}
