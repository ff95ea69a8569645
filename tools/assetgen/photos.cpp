// The loot-box "photographs": a gradient scene with a simple vector animal or
// object, finished with a vignette, a little grain and the item's key stamped
// in the corner like a camera date.
#include "rng.h"
#include "sprites.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// Drawn at twice the size, then shrunk: smooth edges like a real photo.
constexpr int S = 2;

class Photo {
public:
    Photo() : c(640 * S, 480 * S, Rgb(0, 0, 0)) {}
    Canvas c;

    void gradient(float x0, float y0, float x1, float y1, Rgb top, Rgb bottom)
    {
        c.gradient(x0 * S, y0 * S, x1 * S, y1 * S, top, bottom);
    }
    void rect(float x0, float y0, float x1, float y1, Rgb col)
    {
        c.rect(static_cast<int>(x0 * S), static_cast<int>(y0 * S), static_cast<int>(x1 * S) - 1,
               static_cast<int>(y1 * S) - 1, col);
    }
    void ellipse(float x, float y, float rx, float ry, Rgb col) { c.ellipse(x * S, y * S, rx * S, ry * S, col); }
    void circle(float x, float y, float r, Rgb col) { ellipse(x, y, r, r, col); }
    void tri(float x0, float y0, float x1, float y1, float x2, float y2, Rgb col)
    {
        c.triangle(x0 * S, y0 * S, x1 * S, y1 * S, x2 * S, y2 * S, col);
    }
    void poly(std::vector<float> xy, Rgb col)
    {
        for (float& v : xy)
            v *= S;
        c.polygon(xy, col);
    }
    void line(float x0, float y0, float x1, float y1, float w, Rgb col)
    {
        c.thickLine(x0 * S, y0 * S, x1 * S, y1 * S, w * S, col);
    }
    void arc(float x, float y, float r, float a0, float da, float w, Rgb col)
    {
        c.arc(x * S, y * S, r * S, a0, da, w * S, col);
    }
};

// ---- scenery ---------------------------------------------------------------

void room(Photo& p, Rgb wall, Rgb floor, float floorY = 330)
{
    p.gradient(0, 0, 640, floorY, scaled(wall, 1.1), scaled(wall, 0.8));
    p.gradient(0, floorY, 640, 480, floor, scaled(floor, 0.6));
    p.rect(0, floorY - 8, 640, floorY, scaled(wall, 0.55));
}

void windowFrame(Photo& p, float x, float y, float w, float h, Rgb sky)
{
    p.rect(x - 8, y - 8, x + w + 8, y + h + 8, Rgb(235, 230, 220));
    p.gradient(x, y, x + w, y + h, sky, mix(sky, Rgb(255, 255, 255), 0.5));
    p.rect(x + w / 2 - 3, y, x + w / 2 + 3, y + h, Rgb(235, 230, 220));
    p.rect(x, y + h / 2 - 3, x + w, y + h / 2 + 3, Rgb(235, 230, 220));
}

void outdoors(Photo& p, Rgb skyTop, Rgb skyBottom, Rgb ground, float horizon = 320)
{
    p.gradient(0, 0, 640, horizon, skyTop, skyBottom);
    p.gradient(0, horizon, 640, 480, ground, scaled(ground, 0.55));
}

void clouds(Photo& p, Rng& rng, int count)
{
    for (int i = 0; i < count; ++i) {
        float x = static_cast<float>(rng.range(30, 610)), y = static_cast<float>(rng.range(30, 150));
        for (int k = 0; k < 4; ++k)
            p.ellipse(x + k * 22 - 30, y + (k % 2) * 6, 28, 18, Rgb(250, 250, 255));
    }
}

void tree(Photo& p, float x, float ground, float h)
{
    p.rect(x - 14, ground - h, x + 14, ground, Rgb(110, 72, 40));
    p.circle(x, ground - h - 40, 70, Rgb(50, 120, 50));
    p.circle(x - 50, ground - h - 10, 50, Rgb(60, 140, 60));
    p.circle(x + 50, ground - h - 15, 55, Rgb(45, 110, 45));
}

void stars(Photo& p, Rng& rng, int count, float maxY)
{
    for (int i = 0; i < count; ++i)
        p.circle(static_cast<float>(rng.range(0, 640)), static_cast<float>(rng.range(0, static_cast<int>(maxY))),
                 static_cast<float>(rng.range(1, 2)) * 0.8f, Rgb(255, 255, 230));
}

// ---- animals and things ------------------------------------------------------

struct CatLook {
    Rgb fur, accent, eyes;
    bool stripes = false;
    bool patches = false;
};

void catHead(Photo& p, float x, float y, float s, const CatLook& k)
{
    const Rgb inner{240, 170, 170};
    p.tri(x - 40 * s, y - 10 * s, x - 34 * s, y - 55 * s, x - 8 * s, y - 30 * s, k.fur);
    p.tri(x + 40 * s, y - 10 * s, x + 34 * s, y - 55 * s, x + 8 * s, y - 30 * s, k.fur);
    p.tri(x - 33 * s, y - 18 * s, x - 31 * s, y - 44 * s, x - 15 * s, y - 30 * s, inner);
    p.tri(x + 33 * s, y - 18 * s, x + 31 * s, y - 44 * s, x + 15 * s, y - 30 * s, inner);
    p.ellipse(x, y, 44 * s, 36 * s, k.fur);
    if (k.stripes)
        for (int i = -1; i <= 1; ++i)
            p.line(x + i * 10 * s, y - 34 * s, x + i * 8 * s, y - 18 * s, 4 * s, k.accent);
    if (k.patches)
        p.ellipse(x + 18 * s, y - 14 * s, 18 * s, 14 * s, k.accent);
    p.ellipse(x, y + 14 * s, 22 * s, 14 * s, mix(k.fur, Rgb(255, 255, 255), 0.5));
    for (int side = -1; side <= 1; side += 2) {
        float ex = x + side * 17 * s, ey = y - 4 * s;
        p.ellipse(ex, ey, 10 * s, 9 * s, k.eyes);
        p.ellipse(ex, ey, 3 * s, 8 * s, Rgb(10, 10, 10));
        p.circle(ex - 3 * s, ey - 4 * s, 2 * s, Rgb(255, 255, 255));
        for (int w = -1; w <= 1; ++w)
            p.line(x + side * 14 * s, y + 12 * s, x + side * 52 * s, y + (8 + w * 7) * s, 1.2f * s, Rgb(250, 250, 250));
    }
    p.tri(x - 5 * s, y + 6 * s, x + 5 * s, y + 6 * s, x, y + 12 * s, Rgb(230, 120, 140));
    p.line(x, y + 12 * s, x - 6 * s, y + 18 * s, 1.5f * s, Rgb(60, 40, 40));
    p.line(x, y + 12 * s, x + 6 * s, y + 18 * s, 1.5f * s, Rgb(60, 40, 40));
}

// Sitting cat seen from the front, paws at `ground`.
void cat(Photo& p, float x, float ground, float s, const CatLook& k, bool tailRight = true)
{
    float side = tailRight ? 1.f : -1.f;
    p.line(x + side * 40 * s, ground - 10 * s, x + side * 85 * s, ground - 30 * s, 16 * s, k.fur);
    p.circle(x + side * 85 * s, ground - 30 * s, 7.5f * s, k.fur);
    p.line(x + side * 85 * s, ground - 30 * s, x + side * 92 * s, ground - 80 * s, 14 * s, k.fur);
    p.circle(x + side * 92 * s, ground - 80 * s, 7 * s, k.fur);
    p.ellipse(x, ground - 55 * s, 48 * s, 60 * s, k.fur);
    if (k.stripes)
        for (int i = 0; i < 4; ++i)
            p.line(x - 44 * s, ground - (85 - i * 18) * s, x - 20 * s, ground - (80 - i * 18) * s, 5 * s, k.accent);
    if (k.patches)
        p.ellipse(x - 20 * s, ground - 40 * s, 22 * s, 26 * s, k.accent);
    p.ellipse(x, ground - 45 * s, 24 * s, 36 * s, mix(k.fur, Rgb(255, 255, 255), 0.45));
    p.ellipse(x - 18 * s, ground - 6 * s, 14 * s, 9 * s, k.fur);
    p.ellipse(x + 18 * s, ground - 6 * s, 14 * s, 9 * s, k.fur);
    catHead(p, x, ground - 125 * s, s, k);
}

void dog(Photo& p, float x, float ground, float s, Rgb fur, Rgb ears)
{
    p.line(x + 40 * s, ground - 40 * s, x + 75 * s, ground - 85 * s, 12 * s, fur);
    p.ellipse(x, ground - 55 * s, 50 * s, 58 * s, fur);
    p.ellipse(x, ground - 50 * s, 26 * s, 36 * s, mix(fur, Rgb(255, 255, 255), 0.5));
    p.ellipse(x - 22 * s, ground - 8 * s, 15 * s, 10 * s, fur);
    p.ellipse(x + 22 * s, ground - 8 * s, 15 * s, 10 * s, fur);
    float hy = ground - 130 * s;
    p.ellipse(x, hy, 42 * s, 40 * s, fur);
    p.ellipse(x - 42 * s, hy + 10 * s, 14 * s, 34 * s, ears);
    p.ellipse(x + 42 * s, hy + 10 * s, 14 * s, 34 * s, ears);
    p.ellipse(x, hy + 20 * s, 24 * s, 18 * s, mix(fur, Rgb(255, 255, 255), 0.5));
    p.ellipse(x, hy + 10 * s, 9 * s, 7 * s, Rgb(30, 20, 20));
    p.ellipse(x, hy + 36 * s, 8 * s, 10 * s, Rgb(230, 90, 110));
    p.line(x, hy + 17 * s, x, hy + 28 * s, 2 * s, Rgb(30, 20, 20));
    for (int side = -1; side <= 1; side += 2) {
        p.circle(x + side * 16 * s, hy - 8 * s, 6 * s, Rgb(30, 20, 20));
        p.circle(x + side * 16 * s - 2 * s, hy - 10 * s, 2 * s, Rgb(255, 255, 255));
    }
}

void owl(Photo& p, float x, float y, float s, Rgb feathers, Rgb eyes)
{
    Rgb dark = scaled(feathers, 0.65), light = mix(feathers, Rgb(255, 250, 230), 0.55);
    p.ellipse(x, y, 62 * s, 82 * s, feathers);
    p.ellipse(x, y + 20 * s, 40 * s, 55 * s, light);
    for (int r = 0; r < 4; ++r)
        for (int i = -2; i <= 2; ++i)
            p.arc(x + i * 14 * s, y + (5 + r * 16) * s, 6 * s, 0.3f, 2.5f, 2 * s, dark);
    p.ellipse(x - 55 * s, y + 10 * s, 16 * s, 55 * s, dark);
    p.ellipse(x + 55 * s, y + 10 * s, 16 * s, 55 * s, dark);
    p.tri(x - 50 * s, y - 60 * s, x - 40 * s, y - 100 * s, x - 20 * s, y - 70 * s, feathers);
    p.tri(x + 50 * s, y - 60 * s, x + 40 * s, y - 100 * s, x + 20 * s, y - 70 * s, feathers);
    for (int side = -1; side <= 1; side += 2) {
        float ex = x + side * 26 * s, ey = y - 45 * s;
        p.circle(ex, ey, 24 * s, light);
        p.circle(ex, ey, 16 * s, eyes);
        p.circle(ex, ey, 9 * s, Rgb(10, 10, 10));
        p.circle(ex - 4 * s, ey - 5 * s, 3 * s, Rgb(255, 255, 255));
    }
    p.tri(x - 8 * s, y - 30 * s, x + 8 * s, y - 30 * s, x, y - 12 * s, Rgb(230, 170, 50));
    for (int side = -1; side <= 1; side += 2)
        for (int t = -1; t <= 1; ++t)
            p.line(x + side * 16 * s, y + 76 * s, x + (side * 16 + t * 7) * s, y + 88 * s, 4 * s, Rgb(230, 170, 50));
}

void branch(Photo& p, float y, Rgb bark)
{
    p.poly({0, y, 640, y - 20, 640, y + 10, 0, y + 26}, bark);
    p.line(420, y - 10, 520, y - 70, 10, bark);
    p.ellipse(530, y - 80, 30, 14, Rgb(70, 140, 60));
}

void hamster(Photo& p, float x, float ground, float s, Rgb fur)
{
    Rgb belly = mix(fur, Rgb(255, 250, 240), 0.6);
    p.ellipse(x, ground - 60 * s, 75 * s, 60 * s, fur);
    p.ellipse(x, ground - 45 * s, 45 * s, 40 * s, belly);
    p.circle(x - 50 * s, ground - 110 * s, 16 * s, fur);
    p.circle(x + 50 * s, ground - 110 * s, 16 * s, fur);
    p.circle(x - 50 * s, ground - 110 * s, 9 * s, Rgb(240, 170, 170));
    p.circle(x + 50 * s, ground - 110 * s, 9 * s, Rgb(240, 170, 170));
    p.ellipse(x - 42 * s, ground - 70 * s, 22 * s, 18 * s, belly);
    p.ellipse(x + 42 * s, ground - 70 * s, 22 * s, 18 * s, belly);
    p.circle(x - 22 * s, ground - 92 * s, 7 * s, Rgb(15, 10, 10));
    p.circle(x + 22 * s, ground - 92 * s, 7 * s, Rgb(15, 10, 10));
    p.circle(x - 24 * s, ground - 94 * s, 2 * s, Rgb(255, 255, 255));
    p.circle(x + 20 * s, ground - 94 * s, 2 * s, Rgb(255, 255, 255));
    p.ellipse(x, ground - 80 * s, 6 * s, 4 * s, Rgb(230, 130, 140));
    p.ellipse(x - 14 * s, ground - 30 * s, 9 * s, 7 * s, Rgb(240, 180, 170));
    p.ellipse(x + 14 * s, ground - 30 * s, 9 * s, 7 * s, Rgb(240, 180, 170));
}

void squirrel(Photo& p, float x, float ground, float s)
{
    const Rgb fur{190, 100, 40}, light{240, 200, 150}, dark{130, 60, 20};
    p.ellipse(x + 60 * s, ground - 110 * s, 45 * s, 100 * s, fur);
    p.ellipse(x + 75 * s, ground - 190 * s, 40 * s, 30 * s, fur);
    p.ellipse(x + 60 * s, ground - 110 * s, 25 * s, 80 * s, dark);
    p.ellipse(x, ground - 55 * s, 38 * s, 55 * s, fur);
    p.ellipse(x - 5 * s, ground - 45 * s, 20 * s, 38 * s, light);
    p.ellipse(x - 10 * s, ground - 120 * s, 32 * s, 28 * s, fur);
    p.tri(x - 30 * s, ground - 135 * s, x - 24 * s, ground - 165 * s, x - 14 * s, ground - 140 * s, fur);
    p.tri(x + 4 * s, ground - 140 * s, x + 12 * s, ground - 168 * s, x + 18 * s, ground - 135 * s, fur);
    p.circle(x - 20 * s, ground - 124 * s, 6 * s, Rgb(10, 10, 10));
    p.circle(x - 22 * s, ground - 126 * s, 2 * s, Rgb(255, 255, 255));
    p.circle(x - 40 * s, ground - 112 * s, 4 * s, Rgb(40, 20, 20));
    // An acorn in its paws.
    p.ellipse(x - 30 * s, ground - 75 * s, 12 * s, 15 * s, Rgb(150, 100, 40));
    p.ellipse(x - 30 * s, ground - 88 * s, 14 * s, 7 * s, Rgb(100, 70, 30));
    p.ellipse(x - 20 * s, ground - 72 * s, 9 * s, 6 * s, fur);
}

void narwhal(Photo& p, float x, float y, float s, bool flip)
{
    float d = flip ? -1.f : 1.f;
    const Rgb body{150, 170, 190}, belly{220, 230, 235}, spot{100, 120, 140};
    p.ellipse(x, y, 110 * s, 45 * s, body);
    p.ellipse(x, y + 15 * s, 90 * s, 25 * s, belly);
    p.tri(x - d * 100 * s, y, x - d * 160 * s, y - 35 * s, x - d * 150 * s, y + 30 * s, body);
    p.tri(x - d * 10 * s, y + 25 * s, x + d * 20 * s, y + 25 * s, x - d * 20 * s, y + 60 * s, spot);
    for (int i = 0; i < 7; ++i)
        p.circle(x + (i * 23 - 70) * d * s, y - (18 + (i % 3) * 6) * s, 5 * s, spot);
    p.circle(x + d * 70 * s, y - 8 * s, 5 * s, Rgb(20, 20, 30));
    p.line(x + d * 105 * s, y - 10 * s, x + d * 250 * s, y - 40 * s, 6 * s, Rgb(240, 232, 210));
    for (int i = 0; i < 10; ++i) {
        float t = i / 10.0f;
        float lx = x + d * (110 + t * 135) * s, ly = y - (11 + t * 28) * s;
        p.line(lx, ly - 3 * s, lx + d * 6 * s, ly + 3 * s, 1.5f * s, Rgb(180, 170, 150));
    }
}

void platypus(Photo& p, float x, float y, float s)
{
    const Rgb fur{120, 80, 50}, bill{60, 55, 55}, tail{95, 62, 40};
    p.ellipse(x - 120 * s, y + 10 * s, 60 * s, 22 * s, tail);
    p.ellipse(x, y, 110 * s, 45 * s, fur);
    p.ellipse(x + 110 * s, y - 5 * s, 45 * s, 32 * s, fur);
    p.ellipse(x + 175 * s, y, 45 * s, 16 * s, bill);
    p.ellipse(x + 160 * s, y - 6 * s, 4 * s, 3 * s, Rgb(20, 20, 20));
    p.circle(x + 118 * s, y - 16 * s, 5 * s, Rgb(10, 10, 10));
    for (int side = -1; side <= 1; side += 2) {
        p.ellipse(x + side * 60 * s, y + 45 * s, 22 * s, 10 * s, bill);
        p.ellipse(x + side * 60 * s + 12 * s, y + 50 * s, 14 * s, 6 * s, bill);
    }
}

void ferret(Photo& p, float x, float ground, float s)
{
    const Rgb fur{230, 215, 180}, mask{110, 80, 60};
    p.ellipse(x, ground - 30 * s, 110 * s, 28 * s, fur);
    p.line(x - 100 * s, ground - 30 * s, x - 170 * s, ground - 15 * s, 14 * s, mask);
    p.ellipse(x + 115 * s, ground - 45 * s, 38 * s, 28 * s, fur);
    p.ellipse(x + 115 * s, ground - 50 * s, 30 * s, 10 * s, mask);
    p.circle(x + 100 * s, ground - 72 * s, 9 * s, fur);
    p.circle(x + 128 * s, ground - 72 * s, 9 * s, fur);
    p.circle(x + 105 * s, ground - 50 * s, 4 * s, Rgb(10, 10, 10));
    p.circle(x + 128 * s, ground - 50 * s, 4 * s, Rgb(10, 10, 10));
    p.circle(x + 150 * s, ground - 40 * s, 4 * s, Rgb(220, 120, 130));
    for (int i = -1; i <= 1; i += 2) {
        p.ellipse(x + i * 60 * s, ground - 5 * s, 12 * s, 7 * s, mask);
    }
}

void rabbit(Photo& p, float x, float ground, float s)
{
    const Rgb fur{200, 190, 180}, inner{240, 180, 180};
    p.circle(x + 60 * s, ground - 45 * s, 18 * s, Rgb(250, 250, 250));
    p.ellipse(x, ground - 55 * s, 65 * s, 55 * s, fur);
    p.ellipse(x - 35 * s, ground - 115 * s, 38 * s, 34 * s, fur);
    p.ellipse(x - 50 * s, ground - 185 * s, 12 * s, 45 * s, fur);
    p.ellipse(x - 22 * s, ground - 190 * s, 12 * s, 45 * s, fur);
    p.ellipse(x - 50 * s, ground - 185 * s, 6 * s, 35 * s, inner);
    p.ellipse(x - 22 * s, ground - 190 * s, 6 * s, 35 * s, inner);
    p.circle(x - 50 * s, ground - 120 * s, 6 * s, Rgb(20, 10, 10));
    p.circle(x - 18 * s, ground - 120 * s, 6 * s, Rgb(20, 10, 10));
    p.ellipse(x - 34 * s, ground - 102 * s, 5 * s, 4 * s, Rgb(230, 130, 140));
    p.ellipse(x - 40 * s, ground - 5 * s, 20 * s, 8 * s, fur);
}

void goldfishBowl(Photo& p, float x, float y, float s)
{
    p.circle(x, y, 120 * s, Rgb(180, 220, 240));
    p.gradient(x - 110 * s, y - 40 * s, x + 110 * s, y + 100 * s, Rgb(120, 190, 230), Rgb(60, 130, 190));
    p.ellipse(x, y + 95 * s, 70 * s, 14 * s, Rgb(200, 180, 140));
    p.ellipse(x, y - 110 * s, 70 * s, 12 * s, Rgb(230, 240, 250));
    const Rgb fish{250, 140, 30};
    p.ellipse(x + 10 * s, y + 20 * s, 45 * s, 28 * s, fish);
    p.tri(x - 30 * s, y + 20 * s, x - 70 * s, y - 10 * s, x - 70 * s, y + 50 * s, fish);
    p.circle(x + 35 * s, y + 12 * s, 6 * s, Rgb(10, 10, 10));
    p.circle(x + 60 * s, y - 30 * s, 7 * s, Rgb(220, 240, 255));
    p.circle(x + 70 * s, y - 60 * s, 5 * s, Rgb(220, 240, 255));
    p.line(x - 80 * s, y + 95 * s, x - 75 * s, y + 40 * s, 5 * s, Rgb(40, 140, 60));
}

void santa(Photo& p, float x, float ground, float s)
{
    const Rgb red{200, 30, 30}, white{250, 250, 250}, skin{250, 205, 170};
    p.ellipse(x, ground - 90 * s, 85 * s, 95 * s, red);
    p.rect(x - 85 * s, ground - 95 * s, x + 85 * s, ground - 75 * s, Rgb(30, 20, 20));
    p.rect(x - 18 * s, ground - 100 * s, x + 18 * s, ground - 70 * s, Rgb(240, 200, 60));
    p.rect(x - 10 * s, ground - 93 * s, x + 10 * s, ground - 77 * s, Rgb(30, 20, 20));
    p.rect(x - 60 * s, ground - 10 * s, x - 15 * s, ground + 5 * s, Rgb(30, 20, 20));
    p.rect(x + 15 * s, ground - 10 * s, x + 60 * s, ground + 5 * s, Rgb(30, 20, 20));
    float hy = ground - 210 * s;
    p.circle(x, hy, 45 * s, skin);
    p.poly({x - 50 * s, hy + 5 * s, x + 50 * s, hy + 5 * s, x + 30 * s, hy + 90 * s, x, hy + 110 * s, x - 30 * s, hy + 90 * s}, white);
    p.ellipse(x, hy + 8 * s, 30 * s, 10 * s, white);
    p.circle(x - 15 * s, hy - 12 * s, 5 * s, Rgb(20, 20, 20));
    p.circle(x + 15 * s, hy - 12 * s, 5 * s, Rgb(20, 20, 20));
    p.circle(x, hy, 8 * s, Rgb(240, 140, 130));
    p.poly({x - 48 * s, hy - 25 * s, x + 48 * s, hy - 25 * s, x + 70 * s, hy - 90 * s, x, hy - 80 * s}, red);
    p.rect(x - 52 * s, hy - 38 * s, x + 52 * s, hy - 22 * s, white);
    p.circle(x + 72 * s, hy - 90 * s, 14 * s, white);
}

void bin(Photo& p, float x, float ground, float s)
{
    const Rgb metal{150, 160, 170}, dark{100, 110, 120};
    p.poly({x - 90 * s, ground - 200 * s, x + 90 * s, ground - 200 * s, x + 75 * s, ground, x - 75 * s, ground}, metal);
    for (int i = -2; i <= 2; ++i)
        p.line(x + i * 30 * s, ground - 190 * s, x + i * 25 * s, ground - 10 * s, 4 * s, dark);
    p.rect(x - 100 * s, ground - 210 * s, x + 100 * s, ground - 196 * s, dark);
}

void piano(Photo& p, float x, float y, float w)
{
    p.rect(x, y - 160, x + w, y, Rgb(30, 20, 20));
    p.rect(x + 10, y - 60, x + w - 10, y - 20, Rgb(250, 250, 245));
    int keys = static_cast<int>((w - 20) / 20);
    for (int i = 1; i < keys; ++i) {
        p.rect(x + 10 + i * 20 - 1, y - 60, x + 10 + i * 20 + 1, y - 20, Rgb(60, 60, 60));
        if (i % 7 != 3 && i % 7 != 0)
            p.rect(x + 10 + i * 20 - 6, y - 60, x + 10 + i * 20 + 6, y - 38, Rgb(20, 20, 20));
    }
}

void pittaWithMarmite(Photo& p)
{
    room(p, Rgb(240, 220, 180), Rgb(150, 100, 60), 250);
    p.ellipse(320, 360, 250, 90, Rgb(245, 245, 240));
    p.ellipse(300, 350, 190, 70, Rgb(225, 180, 110));
    p.ellipse(300, 345, 170, 58, Rgb(240, 200, 140));
    p.ellipse(300, 345, 140, 44, Rgb(70, 35, 15));
    p.ellipse(260, 335, 40, 10, Rgb(110, 60, 25));
    // The jar beside it.
    p.rect(470, 170, 580, 300, Rgb(50, 25, 10));
    p.ellipse(525, 300, 55, 12, Rgb(50, 25, 10));
    p.rect(470, 150, 580, 175, Rgb(240, 200, 40));
    p.rect(478, 205, 572, 255, Rgb(240, 200, 40));
    p.rect(486, 218, 564, 242, Rgb(200, 40, 30));
}

void paintingA(Photo& p, float x, float y)
{
    p.rect(x - 10, y - 10, x + 190, y + 250, Rgb(150, 110, 40));
    p.rect(x, y, x + 180, y + 240, Rgb(245, 240, 230));
    p.rect(x, y + 90, x + 180, y + 98, Rgb(20, 20, 20));
    p.rect(x + 70, y, x + 78, y + 240, Rgb(20, 20, 20));
    p.rect(x, y, x + 70, y + 90, Rgb(220, 30, 30));
    p.rect(x + 78, y + 160, x + 180, y + 240, Rgb(30, 60, 200));
    p.rect(x + 78, y + 152, x + 180, y + 160, Rgb(20, 20, 20));
    p.rect(x + 140, y + 98, x + 148, y + 152, Rgb(20, 20, 20));
    p.rect(x + 148, y + 98, x + 180, y + 152, Rgb(250, 210, 30));
}

void paintingB(Photo& p, float x, float y, Rng& rng)
{
    p.rect(x - 10, y - 10, x + 250, y + 190, Rgb(40, 40, 40));
    p.gradient(x, y, x + 240, y + 180, Rgb(20, 40, 90), Rgb(230, 120, 60));
    const Rgb paints[] = {{250, 210, 60}, {240, 120, 40}, {120, 200, 90}, {90, 170, 230}, {250, 250, 240}, {200, 60, 50}};
    for (int i = 0; i < 9; ++i)
        p.circle(x + static_cast<float>(rng.range(20, 220)), y + static_cast<float>(rng.range(20, 160)),
                 static_cast<float>(rng.range(8, 30)), paints[rng.range(0, 5)]);
}

void gallery(Photo& p, Rng& rng, bool second)
{
    room(p, second ? Rgb(200, 205, 215) : Rgb(235, 230, 220), Rgb(140, 100, 70), 380);
    for (int i = 0; i < 3; ++i)
        p.ellipse(110 + i * 210.f, 20, 60, 14, Rgb(255, 250, 220));
    if (second) {
        paintingB(p, 40, 90, rng);
        paintingA(p, 350, 60);
    } else {
        paintingA(p, 60, 60);
        paintingB(p, 330, 90, rng);
    }
    p.rect(0, 372, 640, 380, Rgb(90, 70, 50));
}

// ---- finishing -------------------------------------------------------------

void finish(Canvas& c, uint64_t seed)
{
    Rng rng(seed);
    const double cx = c.width() / 2.0, cy = c.height() / 2.0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Rgb col = c.get(x, y);
            double dx = (x - cx) / cx, dy = (y - cy) / cy;
            double v = 1.0 - 0.28 * std::pow(dx * dx + dy * dy, 1.4);
            double grain = (rng.unit() - 0.5) * 10;
            auto f = [&](int ch) { return std::clamp(static_cast<int>(ch * v + grain), 0, 255); };
            // Warm, slightly faded print colours.
            c.put(x, y, Rgb(f(col.r) * 94 / 100 + 10, f(col.g) * 92 / 100 + 8, f(col.b) * 88 / 100 + 6));
        }
}

void stamp(Canvas& c, Fonts& fonts, const std::string& key)
{
    const Rgb orange{255, 150, 40};
    int w = al_get_text_width(fonts.ocrSmall, key.c_str());
    c.text(fonts.ocrSmall, 640 - 18 - w + 1, 480 - 30 + 1, 0, Rgb(60, 20, 0), key);
    c.text(fonts.ocrSmall, 640 - 18 - w, 480 - 30, 0, orange, key);
}

// ---- the thirty photographs --------------------------------------------------

const PhotoInfo infos[30] = {
    {"Alien1", "A cat"},          {"Santa", "Santa"},
    {"Squirrel", "A squirrel"},   {"CatInBin1", "A cat"},
    {"Cat1", "A cat"},            {"Cat2", "A cat"},
    {"Cat3", "A cat"},            {"Marmite", "Marmite on pitta bread"},
    {"PetPhoto1", "A cat"},       {"Kittens2_7", "A cat"},
    {"PetPhoto2", "A cat"},       {"Narwhals", "Narwhals"},
    {"PetPhoto8", "A goldfish"},  {"PetPhoto9", "Cat and piano"},
    {"PetPhoto3", "A dog"},       {"CatFerret", "Cat and ferret"},
    {"Platypus", "A platypus"},   {"PetPhoto4", "A cat"},
    {"PetPhoto10", "A rabbit"},   {"PetPhoto6", "A cat"},
    {"Owl1", "An owl"},           {"Owl2", "An owl"},
    {"Owl3", "An owl"},           {"PetPhoto7", "A cat"},
    {"ArtWall1", "Art wall 1"},   {"ArtWall2", "Art wall 2"},
    {"Hamster1", "A hamster"},    {"Hamster2", "A hamster"},
    {"Hamster3", "A hamster"},    {"PetPhoto11", "A dog"},
};

const CatLook ginger{{230, 140, 60}, {180, 90, 30}, {120, 200, 80}, true, false};
const CatLook tabby{{150, 130, 110}, {80, 65, 55}, {200, 190, 60}, true, false};
const CatLook blackCat{{40, 38, 42}, {40, 38, 42}, {240, 210, 40}, false, false};
const CatLook calico{{245, 240, 230}, {220, 130, 50}, {90, 170, 220}, false, true};
const CatLook grey{{140, 145, 155}, {110, 115, 125}, {240, 180, 40}, false, false};
const CatLook siamese{{240, 225, 200}, {110, 80, 60}, {70, 140, 240}, false, true};

void drawPhoto(Photo& p, int index, Rng& rng)
{
    switch (index) {
    case 0: // a cat under a flying saucer
        p.gradient(0, 0, 640, 340, Rgb(10, 10, 40), Rgb(40, 30, 90));
        stars(p, rng, 120, 300);
        p.gradient(0, 340, 640, 480, Rgb(30, 60, 30), Rgb(10, 20, 10));
        p.poly({270, 110, 370, 110, 450, 420, 190, 420}, Rgb(120, 200, 120));
        p.ellipse(320, 100, 120, 28, Rgb(170, 180, 200));
        p.ellipse(320, 82, 50, 30, Rgb(150, 230, 255));
        for (int i = 0; i < 5; ++i)
            p.circle(240 + i * 40.f, 108, 6, Rgb(255, 230, 80));
        cat(p, 320, 420, 1.0f, grey);
        break;
    case 1:
        outdoors(p, Rgb(20, 30, 70), Rgb(70, 80, 140), Rgb(240, 245, 255), 330);
        for (int i = 0; i < 80; ++i)
            p.circle(static_cast<float>(rng.range(0, 640)), static_cast<float>(rng.range(0, 480)), 3, Rgb(255, 255, 255));
        tree(p, 110, 340, 40);
        santa(p, 360, 430, 0.9f);
        break;
    case 2:
        outdoors(p, Rgb(120, 180, 240), Rgb(200, 230, 250), Rgb(90, 160, 60));
        clouds(p, rng, 3);
        tree(p, 540, 330, 120);
        squirrel(p, 280, 420, 1.3f);
        break;
    case 3:
        outdoors(p, Rgb(150, 170, 190), Rgb(210, 215, 220), Rgb(110, 110, 115), 300);
        p.rect(0, 120, 640, 300, Rgb(160, 90, 70));
        for (int y = 130; y < 300; y += 24)
            p.rect(0, static_cast<float>(y), 640, static_cast<float>(y + 3), Rgb(130, 70, 55));
        catHead(p, 320, 230, 1.3f, tabby);
        bin(p, 320, 450, 1.0f);
        break;
    case 4:
        room(p, Rgb(200, 190, 230), Rgb(170, 120, 80));
        windowFrame(p, 380, 60, 200, 180, Rgb(120, 180, 240));
        cat(p, 250, 420, 1.2f, ginger);
        break;
    case 5:
        room(p, Rgb(230, 210, 170), Rgb(120, 70, 50));
        p.rect(40, 250, 600, 400, Rgb(120, 40, 50));
        p.rect(40, 220, 600, 260, Rgb(150, 60, 70));
        cat(p, 320, 400, 1.1f, blackCat, false);
        break;
    case 6:
        outdoors(p, Rgb(250, 180, 120), Rgb(250, 220, 170), Rgb(80, 140, 60));
        p.circle(520, 120, 50, Rgb(255, 240, 180));
        cat(p, 300, 430, 1.2f, calico);
        break;
    case 7:
        pittaWithMarmite(p);
        break;
    case 8:
        room(p, Rgb(180, 220, 200), Rgb(190, 150, 110));
        p.ellipse(320, 420, 230, 50, Rgb(200, 80, 80));
        cat(p, 320, 410, 1.1f, siamese);
        break;
    case 9: // kittens
        room(p, Rgb(250, 230, 200), Rgb(200, 170, 130));
        p.ellipse(320, 420, 280, 60, Rgb(160, 110, 70));
        p.ellipse(320, 410, 250, 45, Rgb(240, 230, 210));
        cat(p, 170, 420, 0.65f, ginger);
        cat(p, 320, 430, 0.7f, grey, false);
        cat(p, 470, 420, 0.65f, calico);
        break;
    case 10:
        outdoors(p, Rgb(100, 160, 230), Rgb(180, 220, 250), Rgb(70, 150, 60));
        clouds(p, rng, 4);
        cat(p, 300, 440, 1.25f, tabby);
        break;
    case 11:
        p.gradient(0, 0, 640, 480, Rgb(40, 110, 170), Rgb(5, 20, 60));
        for (int i = 0; i < 5; ++i)
            p.poly({80.f + i * 130, 0, 120.f + i * 130, 0, 60.f + i * 130, 480, 30.f + i * 130, 480}, Rgb(60, 130, 190));
        narwhal(p, 260, 180, 0.9f, false);
        narwhal(p, 380, 340, 0.8f, true);
        for (int i = 0; i < 12; ++i)
            p.circle(static_cast<float>(rng.range(0, 640)), static_cast<float>(rng.range(0, 480)), 4, Rgb(150, 200, 240));
        break;
    case 12:
        room(p, Rgb(210, 230, 240), Rgb(160, 120, 90), 360);
        p.rect(100, 360, 540, 380, Rgb(120, 80, 50));
        goldfishBowl(p, 320, 230, 1.0f);
        break;
    case 13:
        room(p, Rgb(200, 180, 160), Rgb(110, 70, 40));
        piano(p, 60, 380, 520);
        cat(p, 330, 322, 0.75f, blackCat);
        break;
    case 14:
        outdoors(p, Rgb(110, 170, 240), Rgb(190, 225, 250), Rgb(80, 160, 60));
        clouds(p, rng, 3);
        dog(p, 320, 430, 1.2f, Rgb(210, 160, 90), Rgb(150, 90, 40));
        break;
    case 15:
        room(p, Rgb(220, 230, 200), Rgb(170, 130, 90));
        cat(p, 190, 400, 0.9f, ginger);
        ferret(p, 380, 440, 0.9f);
        break;
    case 16:
        outdoors(p, Rgb(150, 200, 230), Rgb(210, 230, 240), Rgb(60, 110, 140), 250);
        p.rect(0, 250, 640, 270, Rgb(120, 170, 200));
        platypus(p, 280, 330, 1.2f);
        for (int i = 0; i < 8; ++i)
            p.ellipse(static_cast<float>(rng.range(0, 640)), static_cast<float>(rng.range(280, 470)), 30, 3, Rgb(110, 160, 190));
        break;
    case 17:
        room(p, Rgb(190, 210, 240), Rgb(140, 100, 70));
        windowFrame(p, 60, 60, 160, 160, Rgb(250, 190, 120));
        cat(p, 400, 420, 1.15f, grey, false);
        break;
    case 18:
        outdoors(p, Rgb(160, 210, 250), Rgb(220, 240, 250), Rgb(110, 180, 70));
        for (int i = 0; i < 20; ++i)
            p.circle(static_cast<float>(rng.range(0, 640)), static_cast<float>(rng.range(340, 470)), 4,
                     rng.chance(0.5) ? Rgb(255, 240, 80) : Rgb(255, 255, 255));
        rabbit(p, 330, 420, 1.2f);
        break;
    case 19:
        room(p, Rgb(240, 200, 200), Rgb(120, 90, 70));
        p.ellipse(320, 400, 200, 60, Rgb(90, 120, 180));
        cat(p, 320, 400, 1.0f, tabby, false);
        break;
    case 20:
    case 21:
    case 22: {
        bool night = index != 21;
        if (night) {
            p.gradient(0, 0, 640, 480, Rgb(15, 20, 50), Rgb(40, 50, 90));
            stars(p, rng, 80, 480);
            p.circle(index == 20 ? 520.f : 110.f, 90, 45, Rgb(245, 240, 210));
        } else {
            outdoors(p, Rgb(120, 170, 220), Rgb(200, 220, 230), Rgb(60, 110, 50), 480);
        }
        branch(p, 400, Rgb(90, 60, 40));
        Rgb feathers = index == 20 ? Rgb(150, 110, 70) : index == 21 ? Rgb(230, 225, 215) : Rgb(120, 100, 90);
        Rgb eyes = index == 22 ? Rgb(250, 140, 30) : Rgb(250, 200, 30);
        owl(p, 320, 300, 1.1f, feathers, eyes);
        break;
    }
    case 23:
        outdoors(p, Rgb(255, 200, 150), Rgb(255, 230, 200), Rgb(150, 130, 100), 300);
        p.rect(0, 240, 640, 300, Rgb(180, 160, 140));
        cat(p, 320, 430, 1.2f, blackCat);
        break;
    case 24:
    case 25:
        gallery(p, rng, index == 25);
        break;
    case 26:
    case 27:
    case 28: {
        Rgb beds[3] = {Rgb(230, 210, 160), Rgb(200, 220, 180), Rgb(220, 200, 230)};
        room(p, beds[index - 26], Rgb(210, 180, 120), 300);
        for (int i = 0; i < 70; ++i) {
            float x = static_cast<float>(rng.range(0, 630)), y = static_cast<float>(rng.range(310, 470));
            p.rect(x, y, x + 10, y + 3, Rgb(240, 220, 150));
        }
        if (index == 27) {
            p.circle(470, 260, 110, Rgb(90, 140, 210));
            p.circle(470, 260, 95, beds[1]);
        }
        Rgb fur = index == 26 ? Rgb(220, 160, 90) : index == 27 ? Rgb(240, 235, 225) : Rgb(170, 130, 100);
        hamster(p, index == 27 ? 250.f : 320.f, 420, 1.4f, fur);
        break;
    }
    default:
        outdoors(p, Rgb(130, 180, 240), Rgb(200, 225, 245), Rgb(90, 170, 70));
        tree(p, 90, 330, 100);
        dog(p, 360, 430, 1.15f, Rgb(60, 50, 45), Rgb(40, 30, 30));
        p.circle(520, 420, 22, Rgb(240, 220, 40));
        break;
    }
}

} // namespace

PhotoInfo photoInfo(int id)
{
    if (id < 229 || id > 258)
        throw std::out_of_range("not a photograph: " + std::to_string(id));
    return infos[id - 229];
}

Canvas makePhoto(int id, Fonts& fonts)
{
    PhotoInfo info = photoInfo(id);
    Photo p;
    Rng rng(seedFor(info.key));
    drawPhoto(p, id - 229, rng);
    Canvas out = p.c.shrunkBy(S);
    finish(out, seedFor(info.key, 1));
    stamp(out, fonts, info.key);
    return out;
}
