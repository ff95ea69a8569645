// Powerup tiles: a coloured bevelled tile, a pictogram and a short label.
// The bad ones (Snail, Stop) carry a red frame.
#include "sprites.h"

#include <cmath>

namespace {

struct TileStyle {
    Rgb colour;
    const char* label;
    bool bad;
};

TileStyle styleFor(int id)
{
    switch (id) {
    case 37: return {{150, 40, 220}, "ANH", false};
    case 38: return {{50, 110, 230}, "B+", false};
    case 39: return {{255, 226, 140}, "", false};
    case 40: return {{20, 96, 36}, "$", false};
    case 41: return {{100, 70, 210}, "RC", false};
    case 42: return {{232, 70, 20}, "FLM", false};
    case 43: return {{40, 40, 92}, "GH", false};
    case 44: return {{90, 30, 120}, "", false};
    case 45: return {{250, 170, 30}, "R+", false};
    case 46: return {{84, 104, 136}, "RKT", false};
    case 47: return {{30, 170, 90}, "SH", false};
    case 48: return {{120, 130, 40}, "SNL", true};
    case 49: return {{30, 196, 226}, "SPD", false};
    case 50: return {{70, 70, 78}, "STP", true};
    case 51: return {{170, 140, 80}, "DET", false};
    case 52: return {{240, 110, 170}, "STR", false};
    default: return {{150, 215, 50}, "SNK", false};
    }
}

void tile(Canvas& c, const TileStyle& s)
{
    const Rgb light = mix(s.colour, Rgb(255, 255, 255), 0.45), dark = scaled(s.colour, 0.55);
    c.rect(1, 1, 30, 30, s.colour);
    c.rect(1, 1, 30, 2, light);
    c.rect(1, 1, 2, 30, light);
    c.rect(1, 29, 30, 30, dark);
    c.rect(29, 1, 30, 30, dark);
    if (s.bad) {
        const Rgb danger{235, 20, 20};
        c.rectOutline(1, 1, 30, 30, danger);
        c.rectOutline(2, 2, 29, 29, danger);
        c.rectOutline(3, 3, 28, 28, Rgb(120, 0, 0));
    }
    c.rectOutline(0, 0, 31, 31, Rgb(16, 16, 16));
    // Rounded corners.
    for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
        c.put(x, y, keyColour);
}

void label(Canvas& c, Fonts& fonts, const char* text, int y = 22)
{
    if (!*text)
        return;
    int w = al_get_text_width(fonts.builtin, text);
    int x = 16 - w / 2;
    c.text(fonts.builtin, x + 1, y + 1, 0, Rgb(10, 10, 10), text);
    c.text(fonts.builtin, x, y, 0, Rgb(255, 255, 240), text);
}

// Pictograms, drawn in the upper part of the tile (y 4..20).
void flameIcon(Canvas& c, int cx, int cy, Rgb outer, Rgb mid, Rgb inner)
{
    c.polygon({float(cx - 6), float(cy + 6), float(cx - 7), float(cy - 1), float(cx - 3), float(cy + 1), float(cx - 2),
               float(cy - 8), float(cx + 2), float(cy - 2), float(cx + 4), float(cy - 6), float(cx + 7), float(cy + 1),
               float(cx + 6), float(cy + 6)},
              outer);
    c.ellipse(cx, cy + 3, 5, 4, outer);
    c.ellipse(cx, cy + 3, 3.5f, 3, mid);
    c.polygon({float(cx - 3), float(cy + 4), float(cx), float(cy - 4), float(cx + 3), float(cy + 4)}, mid);
    c.ellipse(cx, cy + 4, 1.5f, 2, inner);
}

void ghostIcon(Canvas& c, int cx, int cy)
{
    const Rgb white{240, 244, 255};
    c.circle(cx, cy - 2, 6.5f, white);
    c.rect(cx - 6, cy - 2, cx + 6, cy + 5, white);
    for (int i = 0; i < 3; ++i)
        c.triangle(cx - 7 + i * 4.5f, cy + 5, cx - 2.5f + i * 4.5f, cy + 5, cx - 4.75f + i * 4.5f, cy + 8, white);
    c.rect(cx - 3, cy - 3, cx - 2, cy - 1, Rgb(20, 20, 60));
    c.rect(cx + 2, cy - 3, cx + 3, cy - 1, Rgb(20, 20, 60));
    c.ellipse(cx, cy + 2, 1.5f, 1.5f, Rgb(20, 20, 60));
}

void shieldIcon(Canvas& c, int cx, int cy)
{
    const Rgb rim{250, 230, 120}, face{230, 240, 250}, cross{40, 120, 200};
    c.polygon({float(cx - 7), float(cy - 7), float(cx + 8), float(cy - 7), float(cx + 8), float(cy), float(cx + 0.5f),
               float(cy + 9), float(cx - 7), float(cy)},
              rim);
    c.polygon({float(cx - 5), float(cy - 5), float(cx + 6), float(cy - 5), float(cx + 6), float(cy), float(cx + 0.5f),
               float(cy + 6.5f), float(cx - 5), float(cy)},
              face);
    c.rect(cx, cy - 5, cx + 1, cy + 5, cross);
    c.rect(cx - 5, cy - 2, cx + 6, cy - 1, cross);
}

void snailIcon(Canvas& c, int cx, int cy)
{
    c.rect(cx - 8, cy + 4, cx + 8, cy + 6, Rgb(210, 200, 130));
    c.rect(cx + 5, cy - 1, cx + 8, cy + 4, Rgb(210, 200, 130));
    c.line(cx + 6, cy - 1, cx + 5, cy - 5, Rgb(60, 50, 20));
    c.line(cx + 8, cy - 1, cx + 9, cy - 5, Rgb(60, 50, 20));
    c.circle(cx - 1, cy, 6, Rgb(150, 80, 30));
    c.circle(cx - 1, cy, 4, Rgb(200, 120, 50));
    c.circle(cx - 1, cy, 2, Rgb(150, 80, 30));
    c.put(cx - 1, cy, Rgb(230, 170, 90));
}

void stopIcon(Canvas& c, int cx, int cy)
{
    const Rgb red{220, 30, 30}, white{255, 255, 255};
    std::vector<float> octagon;
    for (int i = 0; i < 8; ++i) {
        double a = (i + 0.5) * M_PI / 4;
        octagon.push_back(static_cast<float>(cx + 0.5 + 8.5 * std::cos(a)));
        octagon.push_back(static_cast<float>(cy + 0.5 + 8.5 * std::sin(a)));
    }
    c.polygon(octagon, white);
    for (size_t i = 0; i < octagon.size(); i += 2) {
        octagon[i] = static_cast<float>(cx + 0.5 + (octagon[i] - cx - 0.5) * 0.8);
        octagon[i + 1] = static_cast<float>(cy + 0.5 + (octagon[i + 1] - cy - 0.5) * 0.8);
    }
    c.polygon(octagon, red);
    c.rect(cx - 4, cy, cx + 5, cy + 1, white);
}

void snakeIcon(Canvas& c, int cx, int cy)
{
    const Rgb body{30, 110, 20}, belly{230, 220, 80};
    c.arc(cx - 3, cy + 1, 4.5f, 0, static_cast<float>(M_PI), 3, body);
    c.arc(cx + 6, cy + 1, 4.5f, static_cast<float>(M_PI), static_cast<float>(M_PI), 3, body);
    c.circle(cx - 7.5f, cy - 1, 3, body);
    c.put(cx - 8, cy - 2, belly);
    c.put(cx - 11, cy - 1, Rgb(220, 30, 30));
    c.put(cx - 12, cy - 1, Rgb(220, 30, 30));
}

void rocketIcon(Canvas& c, int cx, int cy)
{
    const Rgb hull{235, 235, 245}, nose{220, 40, 40}, window{60, 160, 230};
    c.polygon({float(cx - 7), float(cy + 7), float(cx + 3), float(cy - 3), float(cx + 6), float(cy), float(cx - 4), float(cy + 10)}, hull);
    c.triangle(cx + 3, cy - 3, cx + 9, cy - 6, cx + 6, cy, nose);
    c.triangle(cx - 7, cy + 7, cx - 10, cy + 4, cx - 3, cy + 3, nose);
    c.triangle(cx - 4, cy + 10, cx - 1, cy + 13, cx, cy + 6, nose);
    c.circle(cx + 1, cy + 2, 1.5f, window);
    c.triangle(cx - 7, cy + 7, cx - 4, cy + 10, cx - 10, cy + 13, Rgb(255, 190, 40));
}

void speedIcon(Canvas& c, int cx, int cy)
{
    const Rgb white{255, 255, 255}, shade{20, 80, 120};
    for (int k = 0; k < 2; ++k) {
        int x = cx - 7 + k * 7;
        c.polygon({float(x), float(cy - 7), float(x + 4), float(cy - 7), float(x + 10), float(cy), float(x + 4),
                   float(cy + 7), float(x), float(cy + 7), float(x + 6), float(cy)},
                  k ? white : shade);
    }
}

void cashIcon(Canvas& c, int cx, int cy)
{
    const Rgb gold{250, 200, 40}, goldDark{180, 120, 10}, goldLight{255, 240, 150};
    c.circle(cx, cy, 9, goldDark);
    c.circle(cx - 0.5f, cy - 0.5f, 8, gold);
    c.arc(cx - 0.5f, cy - 0.5f, 6, static_cast<float>(M_PI), static_cast<float>(M_PI / 2), 1, goldLight);
}

void remoteIcon(Canvas& c, int cx, int cy)
{
    c.rect(cx - 5, cy - 3, cx + 5, cy + 8, Rgb(40, 40, 50));
    c.rect(cx - 4, cy - 2, cx + 4, cy + 7, Rgb(80, 80, 96));
    c.circle(cx, cy + 1, 2.5f, Rgb(230, 30, 30));
    c.rect(cx - 3, cy + 5, cx - 2, cy + 6, Rgb(250, 210, 60));
    c.rect(cx + 2, cy + 5, cx + 3, cy + 6, Rgb(100, 220, 100));
    c.line(cx + 3, cy - 3, cx + 6, cy - 9, Rgb(20, 20, 20));
    c.rect(cx + 5, cy - 10, cx + 7, cy - 9, Rgb(230, 30, 30));
}

void timeBombIcon(Canvas& c, int cx, int cy)
{
    drawBomb(c, cx - 1, cy + 2, 7);
    c.circle(cx - 1, cy + 2, 4, Rgb(245, 245, 230));
    c.line(cx - 1, cy + 2, cx - 1, cy - 1, Rgb(10, 10, 10));
    c.line(cx - 1, cy + 2, cx + 1, cy + 2, Rgb(10, 10, 10));
    c.rect(cx + 3, cy - 7, cx + 6, cy - 5, Rgb(110, 110, 130));
    c.put(cx + 7, cy - 8, Rgb(255, 220, 60));
}

void strengthIcon(Canvas& c, int cx, int cy)
{
    // A dumbbell.
    const Rgb plate{40, 40, 52}, plateLight{110, 110, 130}, bar{220, 220, 232};
    c.rect(cx - 8, cy - 1, cx + 9, cy + 1, bar);
    for (int side = -1; side <= 1; side += 2) {
        int x = side < 0 ? cx - 9 : cx + 6;
        c.rect(x, cy - 6, x + 3, cy + 6, plate);
        c.rect(x, cy - 6, x, cy + 6, plateLight);
        int outer = side < 0 ? cx - 12 : cx + 10;
        c.rect(outer, cy - 4, outer + 2, cy + 4, plate);
    }
}

void questionIcon(Canvas& c, Fonts& fonts)
{
    // A big question mark over four little symbols.
    c.rect(4, 24, 7, 27, Rgb(30, 170, 90));
    c.rect(10, 24, 13, 27, Rgb(240, 244, 255));
    c.rect(18, 24, 21, 27, Rgb(220, 30, 30));
    c.rect(24, 24, 27, 27, Rgb(250, 210, 40));
    bigText(c, fonts.builtin, 17, 4, 2, Rgb(30, 10, 40), "?");
    bigText(c, fonts.builtin, 16, 3, 2, Rgb(255, 220, 40), "?");
}

void angryBombIcon(Canvas& c)
{
    drawBomb(c, 15, 17, 11);
    const Rgb red{255, 40, 20};
    // Eyebrows slanting down to the middle, glaring eyes, gritted teeth.
    c.thickLine(7, 11, 13, 14, 2, red);
    c.thickLine(23, 11, 17, 14, 2, red);
    c.rect(9, 15, 12, 17, Rgb(255, 230, 60));
    c.rect(18, 15, 21, 17, Rgb(255, 230, 60));
    c.rect(11, 16, 12, 17, black);
    c.rect(18, 16, 19, 17, black);
    c.rect(10, 21, 20, 23, Rgb(245, 245, 245));
    for (int x = 12; x <= 18; x += 2)
        c.rect(x, 21, x, 23, Rgb(40, 40, 40));
    c.rect(22, 4, 25, 6, Rgb(110, 110, 130));
    c.put(26, 3, Rgb(255, 230, 60));
    c.put(27, 2, Rgb(255, 140, 20));
    c.put(25, 2, Rgb(255, 140, 20));
}

} // namespace

Canvas makePowerupSprite(int id, Fonts& fonts)
{
    TileStyle s = styleFor(id);
    Canvas c(32, 32);
    tile(c, s);
    const int cx = 15, cy = 12;
    switch (id) {
    case 37: flameIcon(c, cx, cy, Rgb(60, 0, 110), Rgb(200, 120, 255), Rgb(120, 240, 255)); break;
    case 38: drawBomb(c, cx, cy + 1, 7); c.rect(cx + 3, cy - 7, cx + 5, cy - 6, Rgb(110, 110, 130)); c.put(cx + 6, cy - 8, Rgb(255, 220, 60)); break;
    case 39: angryBombIcon(c); break;
    case 40: cashIcon(c, cx + 1, cy + 2); bigText(c, fonts.builtin, 16, 6, 2, Rgb(120, 70, 0), "$"); break;
    case 41: remoteIcon(c, cx, cy); break;
    case 42: flameIcon(c, cx, cy, Rgb(120, 20, 0), Rgb(255, 200, 40), Rgb(255, 255, 220)); break;
    case 43: ghostIcon(c, cx + 1, cy); break;
    case 44: questionIcon(c, fonts); break;
    case 45:
        flameIcon(c, cx - 3, cy, Rgb(150, 40, 0), Rgb(255, 230, 80), Rgb(255, 255, 230));
        c.rect(cx + 5, cy - 1, cx + 11, cy, Rgb(255, 255, 255));
        c.rect(cx + 7, cy - 3, cx + 8, cy + 2, Rgb(255, 255, 255));
        break;
    case 46: rocketIcon(c, cx + 1, cy - 1); break;
    case 47: shieldIcon(c, cx, cy); break;
    case 48: snailIcon(c, cx, cy + 1); break;
    case 49: speedIcon(c, cx, cy); break;
    case 50: stopIcon(c, cx, cy); break;
    case 51: timeBombIcon(c, cx, cy); break;
    case 52: strengthIcon(c, cx, cy + 1); break;
    default: snakeIcon(c, cx + 1, cy); break;
    }
    label(c, fonts, s.label);
    return c;
}
