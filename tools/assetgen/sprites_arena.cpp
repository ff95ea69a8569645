// Capture-the-flag flags, the permanent and shrinking walls and the
// destructible brick blocks with their damage and collapse frames.
#include "rng.h"
#include "sprites.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Rgb teamRed{255, 0, 0}; // only this exact red takes the team colour

Canvas flagFrame(int frame)
{
    Canvas c(32, 32);
    const double phase = frame * 2 * M_PI / 6;
    // Cloth: columns to the right of the pole, waving more towards the free end.
    int tops[32], bottoms[32];
    for (int x = 13; x <= 30; ++x) {
        double along = (x - 13) / 17.0;
        double wave = std::sin(phase - along * 5.0) * (0.6 + 2.4 * along);
        int top = 3 + static_cast<int>(std::lround(wave));
        int bottom = 16 + static_cast<int>(std::lround(wave * 0.8 + along * 1.0));
        tops[x] = top;
        bottoms[x] = bottom;
        c.rect(x, top, x, bottom, teamRed);
    }
    // Folds: darker lines where the wave turns, in black so that they keep
    // reading on every team colour.
    for (int x = 15; x <= 29; ++x) {
        double along = (x - 13) / 17.0;
        double slope = std::cos(phase - along * 5.0);
        if (std::abs(slope) < 0.22 && x % 2)
            for (int y = tops[x] + 3; y <= bottoms[x] - 3; y += 2)
                c.put(x, y, Rgb(0, 0, 0));
    }
    c.outline(Rgb(0, 0, 0));
    // Pole with a gold knob; its foot is at (12, 31).
    c.rect(11, 2, 12, 31, Rgb(124, 84, 44));
    c.rect(11, 2, 11, 31, Rgb(170, 120, 66));
    c.rect(10, 0, 13, 2, Rgb(250, 200, 60));
    c.put(13, 2, Rgb(180, 130, 30));
    c.put(10, 0, Rgb(255, 240, 150));
    return c;
}

// Bevelled stone: the permanent wall.
Canvas stoneBlock(Rgb face, Rgb light, Rgb dark, Rgb edge, uint64_t seed)
{
    Canvas c(32, 32, face);
    Rng rng(seed);
    for (int y = 4; y < 28; ++y)
        for (int x = 4; x < 28; ++x) {
            double n = rng.unit();
            if (n < 0.12)
                c.put(x, y, mix(face, dark, 0.35));
            else if (n > 0.92)
                c.put(x, y, mix(face, light, 0.4));
        }
    for (int i = 0; i < 4; ++i) {
        c.rect(i, i, 31 - i, i, light);
        c.rect(i, i, i, 31 - i, light);
        c.rect(i, 31 - i, 31 - i, 31 - i, dark);
        c.rect(31 - i, i, 31 - i, 31 - i, dark);
    }
    // A couple of chiselled cracks.
    c.line(9, 10, 12, 13, mix(face, dark, 0.7));
    c.line(12, 13, 12, 16, mix(face, dark, 0.7));
    c.line(20, 19, 23, 21, mix(face, dark, 0.7));
    c.rectOutline(0, 0, 31, 31, edge);
    return c;
}

// Steel plate with hazard stripes and rivets: the wall of the shrinking arena.
Canvas steelBlock()
{
    const Rgb yellow{250, 200, 20}, stripeBlack{30, 30, 30};
    const Rgb steel{122, 150, 176}, steelLight{186, 208, 228}, steelDark{70, 88, 110};
    Canvas c(32, 32, steel);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            bool border = x < 5 || y < 5 || x > 26 || y > 26;
            if (border)
                c.put(x, y, ((x + y) / 4) % 2 ? stripeBlack : yellow);
        }
    c.rect(5, 5, 26, 5, steelLight);
    c.rect(5, 5, 5, 26, steelLight);
    c.rect(5, 26, 26, 26, steelDark);
    c.rect(26, 5, 26, 26, steelDark);
    // Brushed lines and an X brace.
    for (int y = 8; y < 25; y += 3)
        c.line(7, y, 24, y, Rgb(134, 162, 188));
    c.thickLine(7, 7, 25, 25, 2, steelDark);
    c.thickLine(25, 7, 7, 25, 2, steelDark);
    for (auto [x, y] : {std::pair{8, 8}, {23, 8}, {8, 23}, {23, 23}}) {
        c.rect(x, y, x + 1, y + 1, steelLight);
        c.put(x + 1, y + 1, steelDark);
    }
    c.rectOutline(0, 0, 31, 31, Rgb(20, 20, 20));
    return c;
}

// Dark iron crate (a variant, loaded but not used by the arena).
Canvas crateBlock()
{
    const Rgb wood{150, 96, 48}, woodDark{100, 60, 28}, band{60, 60, 72};
    Canvas c(32, 32, wood);
    for (int y = 2; y < 30; y += 6)
        c.rect(2, y, 29, y, woodDark);
    c.thickLine(2, 2, 30, 30, 3, woodDark);
    c.rect(0, 0, 31, 3, band);
    c.rect(0, 28, 31, 31, band);
    c.rect(0, 0, 3, 31, band);
    c.rect(28, 0, 31, 31, band);
    for (auto [x, y] : {std::pair{1, 1}, {29, 1}, {1, 29}, {29, 29}})
        c.rect(x, y, x + 1, y + 1, Rgb(190, 190, 205));
    return c;
}

// Orange bricks: the destructible block.
constexpr Rgb brick{214, 116, 52}, brickLight{246, 166, 96}, brickDark{150, 70, 28}, mortar{96, 52, 30};

Canvas bricks()
{
    Canvas c(32, 32, mortar);
    for (int row = 0; row < 4; ++row) {
        int y0 = row * 8, y1 = y0 + 6;
        int offset = row % 2 ? -8 : 0;
        for (int bx = offset; bx < 32; bx += 16) {
            int x0 = std::max(bx, 0), x1 = std::min(bx + 14, 31);
            if (x1 < x0)
                continue;
            c.rect(x0, y0, x1, y1, brick);
            c.rect(x0, y0, x1, y0, brickLight);
            c.rect(x0, y0, x0, y1, brickLight);
            c.rect(x0, y1, x1, y1, brickDark);
            c.put(x0 + 4, y0 + 3, brickDark);
            c.put(x1 - 3, y0 + 2, brickLight);
        }
    }
    return c;
}

void crack(Canvas& c, Rng& rng, int x, int y, int length, int dir)
{
    const Rgb crackCol{40, 18, 8};
    for (int i = 0; i < length; ++i) {
        c.put(x, y, crackCol);
        x += dir;
        y += rng.range(0, 2) == 0 ? 0 : 1;
        if (rng.chance(0.25))
            x += dir;
    }
}

Canvas crackedBricks(int hits)
{
    Canvas c = bricks();
    Rng rng(seedFor("cracks", hits));
    crack(c, rng, 15, 1, 12, -1);
    crack(c, rng, 16, 2, 10, 1);
    if (hits >= 2) {
        crack(c, rng, 4, 12, 14, 1);
        crack(c, rng, 28, 10, 14, -1);
        crack(c, rng, 12, 20, 10, 1);
        // Chipped corners.
        c.rect(0, 0, 3, 2, keyColour);
        c.rect(28, 25, 31, 31, keyColour);
        c.rect(29, 22, 31, 24, keyColour);
    }
    return c;
}

// The block breaking apart: pieces pushed out from the centre with gaps.
Canvas fallingApart(int stage)
{
    Canvas whole = bricks();
    Canvas c(32, 32);
    const int pieces = 4;
    const int spread = stage == 1 ? 2 : 4;
    for (int py = 0; py < pieces; ++py)
        for (int px = 0; px < pieces; ++px) {
            int x0 = px * 8, y0 = py * 8;
            int ox = (px < 2 ? -1 : 1) * spread / 2 + (px == 0 || px == 3 ? (px == 0 ? -1 : 1) * spread / 2 : 0);
            int oy = (py < 2 ? -1 : 1) * spread / 2 + stage;
            int shrink = stage == 1 ? 0 : 1;
            for (int y = y0 + shrink; y < y0 + 8 - shrink; ++y)
                for (int x = x0 + shrink; x < x0 + 8 - shrink; ++x)
                    c.put(x + ox, y + oy, whole.get(x, y));
        }
    return c;
}

// The tough block crumbling to rubble over four frames.
Canvas crumbling(int stage)
{
    Canvas c(32, 32);
    Rng rng(seedFor("rubble", stage));
    Canvas cracked = crackedBricks(2);
    if (stage == 1) {
        c.blit(cracked, 0, 0);
        c.rect(0, 0, 11, 7, keyColour);
        c.rect(20, 0, 31, 5, keyColour);
        for (int i = 0; i < 6; ++i) {
            int x = rng.range(12, 19);
            c.put(x, rng.range(0, 3), keyColour);
        }
        return c;
    }
    // Later stages: the top has fallen; a heap of rubble remains.
    int wallTop = stage == 2 ? 14 : 40;
    for (int y = wallTop; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            c.put(x, y, cracked.get(x, y));
    int heapHeight = stage == 2 ? 0 : stage == 3 ? 14 : 8;
    for (int i = 0; i < (stage == 4 ? 22 : 40); ++i) {
        int x = rng.range(1, 30);
        int h = static_cast<int>(heapHeight * (1.0 - std::abs(x - 15.5) / 17.0));
        int y = 31 - rng.range(0, std::max(h, 1));
        int s = rng.range(1, stage == 4 ? 2 : 3);
        Rgb col = rng.chance(0.5) ? brick : rng.chance(0.5) ? brickDark : brickLight;
        c.rect(x, y - s + 1, std::min(x + s, 31), y, col);
    }
    if (stage == 2) {
        // Falling chunks above the broken wall.
        for (int i = 0; i < 6; ++i) {
            int x = rng.range(2, 26), y = rng.range(2, 10);
            c.rect(x, y, x + 3, y + 2, brick);
            c.rect(x, y + 2, x + 3, y + 2, brickDark);
        }
    }
    if (stage == 4) {
        // Dust.
        for (int i = 0; i < 16; ++i)
            c.put(rng.range(1, 30), rng.range(14, 26), Rgb(170, 140, 110));
    }
    return c;
}

} // namespace

Canvas makeArenaSprite(int id)
{
    if (id >= 54 && id <= 59)
        return flagFrame(id - 54);
    switch (id) {
    case 60: // mossy stone variant
        return stoneBlock(Rgb(110, 140, 100), Rgb(160, 190, 140), Rgb(60, 84, 56), Rgb(30, 44, 28), seedFor("Block1"));
    case 61:
        return crateBlock();
    case 62:
        return steelBlock();
    case 63:
        return stoneBlock(Rgb(158, 158, 168), Rgb(214, 214, 224), Rgb(92, 92, 104), Rgb(40, 40, 48), seedFor("Block4"));
    case 64:
        return bricks();
    case 65:
        return fallingApart(1);
    case 66:
        return fallingApart(2);
    case 67:
        return crackedBricks(1);
    case 68:
        return crackedBricks(2);
    default:
        return crumbling(id - 68);
    }
}
