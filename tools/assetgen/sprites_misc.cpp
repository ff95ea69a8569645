// The title logo, the studio logo, the crest, the trophy, the snail and the
// window icon.
#include "rng.h"
#include "sprites.h"

#include <cmath>
#include <map>

namespace {

// Block letters on a 5 x 7 grid.
const std::map<char, const char*>& blockGlyphs()
{
    static const std::map<char, const char*> glyphs = {
        {'T', "#####"
              "..#.."
              "..#.."
              "..#.."
              "..#.."
              "..#.."
              "..#.."},
        {'A', ".###."
              "#...#"
              "#...#"
              "#####"
              "#...#"
              "#...#"
              "#...#"},
        {'M', "#...#"
              "##.##"
              "#.#.#"
              "#.#.#"
              "#...#"
              "#...#"
              "#...#"},
        {'W', "#...#"
              "#...#"
              "#...#"
              "#.#.#"
              "#.#.#"
              "##.##"
              "#...#"},
        {'I', "#####"
              "..#.."
              "..#.."
              "..#.."
              "..#.."
              "..#.."
              "#####"},
        {'C', ".####"
              "#...."
              "#...."
              "#...."
              "#...."
              "#...."
              ".####"},
        {'K', "#...#"
              "#..#."
              "#.#.."
              "##..."
              "#.#.."
              "#..#."
              "#...#"},
        {'Z', "#####"
              "....#"
              "...#."
              "..#.."
              ".#..."
              "#...."
              "#####"},
        {'E', "#####"
              "#...."
              "#...."
              "####."
              "#...."
              "#...."
              "#####"},
        {'V', "#...#"
              "#...#"
              "#...#"
              "#...#"
              ".#.#."
              ".#.#."
              "..#.."},
    };
    return glyphs;
}

struct LetterStyle {
    Rgb top, bottom;    // face gradient, in bands
    Rgb light, dark;    // bevel of each block
    Rgb shadow;         // extruded depth
    Rgb outline;
};

// Writes `text` in bevelled block letters, each cell `cell` pixels square.
void blockText(Canvas& c, const std::string& text, int left, int top, int cell, int gap, const LetterStyle& style)
{
    const int depth = cell / 4;
    Canvas letters(c.width(), c.height());
    Canvas shadow(c.width(), c.height());
    int x = left;
    for (char ch : text) {
        const char* g = blockGlyphs().at(ch);
        for (int gy = 0; gy < 7; ++gy)
            for (int gx = 0; gx < 5; ++gx) {
                if (g[gy * 5 + gx] != '#')
                    continue;
                int x0 = x + gx * cell, y0 = top + gy * cell;
                for (int d = 1; d <= depth; ++d)
                    shadow.rect(x0 + d, y0 + d, x0 + cell - 1 + d, y0 + cell - 1 + d, style.shadow);
                // Face in bands from the top colour to the bottom colour.
                for (int yy = 0; yy < cell; ++yy) {
                    double t = static_cast<double>(gy * cell + yy) / (7 * cell);
                    Rgb band = mix(style.top, style.bottom, std::floor(t * 6) / 5);
                    letters.rect(x0, y0 + yy, x0 + cell - 1, y0 + yy, band);
                }
                int b = std::max(2, cell / 8);
                letters.rect(x0, y0, x0 + cell - 1, y0 + b - 1, style.light);
                letters.rect(x0, y0, x0 + b - 1, y0 + cell - 1, style.light);
                letters.rect(x0, y0 + cell - b, x0 + cell - 1, y0 + cell - 1, style.dark);
                letters.rect(x0 + cell - b, y0, x0 + cell - 1, y0 + cell - 1, style.dark);
            }
        x += 5 * cell + gap;
    }
    shadow.blit(letters, 0, 0);
    for (int i = 0; i < std::max(2, cell / 8); ++i)
        shadow.outline(style.outline, i > 0);
    c.blit(shadow, 0, 0);
}

Canvas title()
{
    Canvas c(1000, 200);
    LetterStyle style{{255, 236, 90}, {240, 80, 20}, {255, 250, 200}, {170, 40, 10}, {110, 24, 8}, {20, 10, 10}};
    // 7 letters of 5 cells of 24 px with 16 px gaps: 936 px wide.
    blockText(c, "TAMWICK", 28, 10, 24, 16, style);
    // A lit fuse spark over the I.
    int sx = 28 + 4 * (5 * 24 + 16) + 60, sy = 4;
    c.rect(sx - 2, sy, sx + 2, sy + 4, Rgb(255, 250, 220));
    c.rect(sx - 6, sy + 2, sx + 6, sy + 2, Rgb(255, 200, 40));
    c.rect(sx, sy - 3, sx, sy + 7, Rgb(255, 200, 40));
    return c;
}

Canvas studioLogo()
{
    Canvas c(256, 128);
    LetterStyle style{{140, 230, 255}, {30, 90, 200}, {220, 250, 255}, {10, 40, 110}, {8, 24, 70}, {4, 8, 24}};
    // 3 letters of 5 cells of 12 px with 10 px gaps: 200 px wide.
    blockText(c, "ZEV", 24, 14, 12, 10, style);
    c.rect(24, 108, 230, 111, Rgb(250, 200, 40));
    c.rect(24, 112, 230, 113, Rgb(170, 110, 10));
    return c;
}

Canvas crest()
{
    Canvas c(64, 64);
    const Rgb gold{240, 190, 40}, goldDark{160, 110, 10}, field{40, 70, 160};
    c.polygon({4, 4, 60, 4, 60, 32, 32, 62, 4, 32}, goldDark);
    c.polygon({7, 7, 57, 7, 57, 31, 32, 58, 7, 31}, gold);
    c.polygon({10, 10, 54, 10, 54, 30, 32, 54, 10, 30}, field);
    drawBomb(c, 31, 31, 12);
    c.rect(38, 17, 41, 19, Rgb(110, 110, 130));
    c.rect(42, 14, 44, 16, Rgb(255, 220, 60));
    c.put(45, 13, Rgb(255, 140, 20));
    c.outline(Rgb(20, 16, 8));
    return c;
}

Canvas trophy()
{
    Canvas c(32, 32);
    const Rgb gold{250, 200, 40}, goldLight{255, 240, 160}, goldDark{190, 130, 20}, base{90, 50, 24};
    c.arc(7, 10, 4, static_cast<float>(M_PI / 2), static_cast<float>(M_PI), 2, goldDark);
    c.arc(24, 10, 4, static_cast<float>(-M_PI / 2), static_cast<float>(M_PI), 2, goldDark);
    c.polygon({6, 3, 26, 3, 24, 14, 19, 19, 13, 19, 8, 14}, gold);
    c.rect(6, 3, 26, 4, goldLight);
    c.rect(9, 5, 10, 13, goldLight);
    c.polygon({20, 5, 24, 5, 22, 14, 18, 18}, goldDark);
    c.rect(14, 19, 18, 23, goldDark);
    c.rect(10, 24, 22, 26, gold);
    c.rect(8, 27, 24, 30, base);
    c.rect(12, 28, 20, 29, Rgb(230, 210, 150));
    c.outline(Rgb(30, 20, 0));
    return c;
}

// 32 x 44, facing right. `held`: pulled into its shell, eyes drooping.
Canvas snail(bool held)
{
    Canvas c(32, 44);
    const Rgb foot{206, 196, 122}, footDark{150, 140, 80}, shell{176, 96, 40}, shellLight{226, 150, 80},
        shellDark{110, 54, 20}, eye{20, 20, 20};
    if (!held) {
        c.polygon({2, 42, 4, 37, 24, 37, 29, 30, 30, 24, 27, 24, 25, 30, 21, 34, 30, 42}, foot);
        c.ellipse(16, 41, 14, 1.5f, footDark);
        c.thickLine(27, 25, 25, 12, 1.5f, footDark);
        c.thickLine(30, 25, 30, 13, 1.5f, footDark);
        c.circle(25, 11, 2, eye);
        c.circle(30, 12, 2, eye);
        c.put(25, 10, Rgb(250, 250, 240));
        c.put(30, 11, Rgb(250, 250, 240));
        c.circle(13, 26, 11, shellDark);
        c.circle(13, 26, 9.5f, shell);
    } else {
        c.ellipse(16, 40, 12, 3, foot);
        c.circle(15, 27, 13, shellDark);
        c.circle(15, 27, 11.5f, shell);
        c.thickLine(26, 38, 29, 35, 1.5f, footDark);
        c.circle(29.5f, 35, 1.5f, eye);
    }
    float sx = held ? 15 : 13, sy = held ? 27 : 26;
    // Spiral.
    for (int i = 0; i < 150; ++i) {
        double a = i * 0.08;
        double r = 1 + a * (held ? 1.3 : 1.15);
        if (r > (held ? 10.5 : 9))
            break;
        int x = static_cast<int>(std::lround(sx + r * std::cos(a))), y = static_cast<int>(std::lround(sy + r * std::sin(a)));
        c.put(x, y, shellDark);
    }
    c.put(static_cast<int>(sx) - 4, static_cast<int>(sy) - 5, shellLight);
    c.put(static_cast<int>(sx) - 5, static_cast<int>(sy) - 4, shellLight);
    c.put(static_cast<int>(sx) - 3, static_cast<int>(sy) - 6, shellLight);
    if (held) {
        // Little "z"s: it has given up.
        c.line(22, 6, 26, 6, Rgb(240, 240, 250));
        c.line(26, 6, 22, 10, Rgb(240, 240, 250));
        c.line(22, 10, 26, 10, Rgb(240, 240, 250));
    }
    c.outline(Rgb(30, 20, 10));
    return c;
}

} // namespace

Canvas makeMiscSprite(int id, Fonts&)
{
    switch (id) {
    case 0: return studioLogo();
    case 1: return crest();
    case 2: return trophy();
    case 34: return title();
    case 35: return snail(false);
    default: return snail(true);
    }
}

Canvas makeIcon()
{
    // A big lit bomb on a dark disc; the key colour around it becomes
    // transparent when the icon is saved.
    Canvas c(256, 256);
    c.circle(128, 128, 124, Rgb(40, 48, 84));
    c.circle(112, 150, 84, Rgb(12, 12, 12));
    c.circle(112, 150, 80, black);
    c.ellipse(84, 118, 26, 16, Rgb(64, 64, 64));
    c.ellipse(78, 112, 10, 6, Rgb(150, 150, 160));
    c.polygon({150, 70, 178, 84, 166, 106, 138, 92}, Rgb(118, 112, 140));
    c.thickLine(170, 80, 184, 52, 6, Rgb(196, 160, 96));
    c.thickLine(184, 52, 204, 40, 6, Rgb(196, 160, 96));
    c.circle(206, 38, 20, Rgb(255, 120, 20));
    c.circle(206, 38, 13, Rgb(255, 210, 60));
    c.circle(206, 38, 6, Rgb(255, 255, 220));
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4;
        c.thickLine(static_cast<float>(206 + 20 * std::cos(a)), static_cast<float>(38 + 20 * std::sin(a)),
                    static_cast<float>(206 + 34 * std::cos(a)), static_cast<float>(38 + 34 * std::sin(a)), 4,
                    Rgb(255, 200, 40));
    }
    return c;
}
