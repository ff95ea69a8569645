#include "media/colour.h"

#include <cmath>
#include <cstdint>

namespace {

struct Components {
    std::int32_t r, g, b;
};

Components unmap(ALLEGRO_COLOR colour)
{
    unsigned char r, g, b;
    al_unmap_rgb(colour, &r, &g, &b);
    return {r, g, b};
}

}

int redOf(ALLEGRO_COLOR colour)
{
    return unmap(colour).r;
}

int greenOf(ALLEGRO_COLOR colour)
{
    return unmap(colour).g;
}

int blueOf(ALLEGRO_COLOR colour)
{
    return unmap(colour).b;
}

float colourDistance(ALLEGRO_COLOR a, ALLEGRO_COLOR b)
{
    Components c1 = unmap(a);
    Components c2 = unmap(b);
    std::int32_t rm = (c1.r + c2.r) / 2;
    std::int32_t dr = c1.r - c2.r;
    std::int32_t dg = c1.g - c2.g;
    std::int32_t db = c1.b - c2.b;
    std::int32_t x = (((rm + 512) * dr * dr) >> 8) + 4 * dg * dg + (((767 - rm) * db * db) >> 8);
    return std::sqrt(float(x));
}

ALLEGRO_COLOR toColour(RGB rgb)
{
    return al_map_rgb(rgb.r, rgb.g, rgb.b);
}

RGB toRgb(ALLEGRO_COLOR colour)
{
    unsigned char r, g, b;
    al_unmap_rgb(colour, &r, &g, &b);
    return {r, g, b};
}

bool sameColour(const ALLEGRO_COLOR& a, const ALLEGRO_COLOR& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}
