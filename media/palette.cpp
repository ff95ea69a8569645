#include "media/palette.h"

#include <random>

#include "media/background_colour.h"
#include "media/colour.h"

std::vector<RGB> playerColours;
bool paletteDirty = false;

namespace {

constexpr float minimumBackgroundDistance = 150.0f;
constexpr int candidateRetries = 1999;

RGB pickColour(std::mt19937& rng, const std::vector<ALLEGRO_COLOR>& avoid)
{
    std::uniform_int_distribution<int> component(0, 255);
    RGB candidate;
    for (int retry = 0; retry <= candidateRetries; ++retry) {
        int r = component(rng);
        int g = component(rng);
        int b = component(rng);
        candidate = {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
        bool farEnough = true;
        for (const ALLEGRO_COLOR& colour : avoid)
            if (colourDistance(toColour(candidate), colour) < minimumBackgroundDistance)
                farEnough = false;
        if (farEnough)
            break;
    }
    return candidate;
}

}

std::vector<RGB> buildColourPalette()
{
    static ALLEGRO_COLOR builtFor{0, 0, 0, 0};
    ALLEGRO_COLOR background = getBackgroundColour();
    if (int(playerColours.size()) >= paletteSize && sameColour(background, builtFor) && !paletteDirty)
        return playerColours;

    paletteDirty = false;
    builtFor = background;
    std::mt19937 rng(0);
    // (255, 16, 255) rather than magenta, which is the sprites' transparency key.
    std::vector<RGB> palette{{192, 192, 192}, {255, 0, 0},    {0, 255, 0},  {0, 0, 255},
                             {255, 255, 0},   {255, 16, 255}, {0, 255, 255}};
    const std::vector<ALLEGRO_COLOR> avoid{background};
    while (int(palette.size()) < paletteSize)
        palette.push_back(pickColour(rng, avoid));
    playerColours = palette;
    return palette;
}
