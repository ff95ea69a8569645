// Bombs with their burning fuse, the three flame waves (plain and annihilator)
// and bombs rolling along with a trail behind them.
#include "rng.h"
#include "sprites.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Rgb fuseCap{118, 112, 140};
constexpr Rgb fuseCapDark{70, 66, 90};
constexpr Rgb fuseRope{196, 160, 96};
constexpr Rgb fuseRopeDark{130, 96, 52};

// The fuse runs along this curve from the cap (t = 0) to its free end (t = 1).
void fusePoint(double t, double& x, double& y)
{
    // Cubic Bezier curling up and over to the right.
    const double p[4][2] = {{21, 9}, {22, -1}, {32, -1}, {28, 8}};
    double u = 1 - t;
    double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
    x = b0 * p[0][0] + b1 * p[1][0] + b2 * p[2][0] + b3 * p[3][0];
    y = b0 * p[0][1] + b1 * p[1][1] + b2 * p[2][1] + b3 * p[3][1];
}

void drawSpark(Canvas& c, int x, int y, int size, int frame)
{
    const Rgb white{255, 255, 220}, yellow{255, 230, 60}, orange{255, 140, 20}, red{230, 50, 20};
    if (size >= 3) {
        // Star rays that turn a little from frame to frame.
        bool diagonal = frame % 2;
        for (int i = 1; i <= size + 1; ++i) {
            Rgb ray = i <= size - 1 ? yellow : orange;
            if (diagonal) {
                c.put(x + i, y + i, ray);
                c.put(x - i, y - i, ray);
                c.put(x + i, y - i, ray);
                c.put(x - i, y + i, ray);
            } else {
                c.put(x + i, y, ray);
                c.put(x - i, y, ray);
                c.put(x, y + i, ray);
                c.put(x, y - i, ray);
            }
        }
    }
    if (size >= 2) {
        c.rect(x - 1, y - 1, x + 1, y + 1, orange);
        c.put(x - 1, y - 1, red);
        c.put(x + 1, y + 1, red);
    }
    c.put(x, y, size >= 2 ? white : yellow);
    if (size == 1) {
        c.put(x + 1, y, orange);
        c.put(x, y - 1, orange);
    }
}

// Bomb `frame` 0..20: the fuse shortens, the spark grows, the last five
// frames swell and flash a red glow.
Canvas bombFrame(int frame)
{
    Canvas c(32, 32);
    const int lastFuseFrame = 15;
    bool critical = frame > lastFuseFrame;
    int swell = critical ? std::min(2, (frame - lastFuseFrame + 1) / 2) : 0;
    float cx = 14, cy = 19, r = 9.5f + swell;
    bool flash = critical && (frame % 2 == 0);
    if (critical) {
        Rgb glow = flash ? Rgb(255, 40, 20) : Rgb(160, 20, 10);
        c.circle(cx, cy, r + 2, glow);
        if (flash)
            c.circle(cx, cy, r + 1, Rgb(255, 150, 40));
    }
    drawBomb(c, cx, cy, r);
    // Fuse: full length at frame 0, gone after frame 15.
    double remaining = critical ? 0.0 : 1.0 - static_cast<double>(frame) / (lastFuseFrame + 1);
    int endX = 21, endY = 9;
    if (remaining > 0) {
        const int steps = 60;
        for (int i = 0; i <= steps * remaining; ++i) {
            double x, y;
            fusePoint(static_cast<double>(i) / steps, x, y);
            int px = static_cast<int>(std::lround(x)), py = static_cast<int>(std::lround(y));
            c.put(px, py, fuseRope);
            c.put(px, py + 1, fuseRopeDark);
            endX = px;
            endY = py;
        }
    }
    // Cap on top of the bomb, where the fuse enters.
    c.rect(19, 8, 22, 10, fuseCap);
    c.rect(19, 10, 22, 10, fuseCapDark);
    c.put(19, 8, fuseCapDark);
    int spark = frame < 5 ? 1 : frame < 11 ? 2 : 3;
    if (critical)
        spark = 3 + (frame % 2);
    drawSpark(c, endX, std::max(endY, 1), spark, frame);
    if (flash) {
        // Angry red eyes in the last flashes, so the bomb reads as "about to go".
        c.rect(static_cast<int>(cx) - 4, static_cast<int>(cy) - 1, static_cast<int>(cx) - 2, static_cast<int>(cy), Rgb(255, 40, 20));
        c.rect(static_cast<int>(cx) + 2, static_cast<int>(cy) - 1, static_cast<int>(cx) + 4, static_cast<int>(cy), Rgb(255, 40, 20));
    }
    return c;
}

// Flame palette, darkest to brightest.
struct FlamePalette {
    Rgb steps[5];
};
const FlamePalette fire{{{120, 16, 8}, {200, 50, 10}, {255, 130, 20}, {255, 210, 50}, {255, 255, 210}}};
const FlamePalette annihilator{{{60, 10, 120}, {120, 30, 200}, {170, 80, 255}, {90, 220, 255}, {230, 250, 255}}};

// Smooth value noise on a grid of `cell` pixels, 0..1.
struct Noise {
    double v[12][12];
    explicit Noise(uint64_t seed)
    {
        Rng rng(seed);
        for (auto& r : v)
            for (double& x : r)
                x = rng.unit();
    }
    double at(double x, double y) const
    {
        int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
        double fx = x - ix, fy = y - iy;
        auto g = [&](int a, int b) { return v[((a % 12) + 12) % 12][((b % 12) + 12) % 12]; };
        double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
        double top = g(ix, iy) + (g(ix + 1, iy) - g(ix, iy)) * sx;
        double bottom = g(ix, iy + 1) + (g(ix + 1, iy + 1) - g(ix, iy + 1)) * sx;
        return top + (bottom - top) * sy;
    }
};

// wave 1: full-cell white-yellow blast; 2: smaller orange; 3: scattered embers.
Canvas flame(int wave, const FlamePalette& pal)
{
    Canvas c(32, 32);
    Noise noise(seedFor("flame", wave));
    Rng rng(seedFor("embers", wave));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            double dx = (x + 0.5 - 16) / 16, dy = (y + 0.5 - 16) / 16;
            // A blend of round and square distance: flames in a row join up.
            double round = std::sqrt(dx * dx + dy * dy);
            double square = std::max(std::abs(dx), std::abs(dy));
            double d = 0.55 * round + 0.45 * square;
            double n = noise.at(x / 5.0, y / 5.0) * 0.6 + noise.at(x / 2.5 + 7, y / 2.5 + 3) * 0.4;
            double heat;
            if (wave == 1)
                heat = 1.25 - d * 0.95 + (n - 0.5) * 0.55;
            else if (wave == 2)
                heat = 1.0 - d * 1.15 + (n - 0.5) * 0.7;
            else
                heat = 0.72 - d * 0.7 + (n - 0.5) * 1.1;
            int level;
            if (wave == 1)
                level = heat > 0.95 ? 4 : heat > 0.72 ? 3 : heat > 0.5 ? 2 : heat > 0.3 ? 1 : -1;
            else if (wave == 2)
                level = heat > 0.75 ? 3 : heat > 0.5 ? 2 : heat > 0.28 ? 1 : heat > 0.16 ? 0 : -1;
            else
                level = heat > 0.5 ? 1 : heat > 0.32 ? 0 : -1;
            if (level >= 0)
                c.put(x, y, pal.steps[level]);
        }
    if (wave == 3) {
        // A few glowing sparks drifting off.
        for (int i = 0; i < 14; ++i) {
            int x = rng.range(2, 29), y = rng.range(2, 29);
            c.put(x, y, pal.steps[rng.chance(0.3) ? 2 : 1]);
        }
    }
    if (wave == 1) {
        // Bright rays out to the cell's edges.
        for (int i = 0; i < 32; ++i) {
            if (c.isKey(i, 15))
                c.put(i, 15, pal.steps[2]);
            if (c.isKey(i, 16))
                c.put(i, 16, pal.steps[2]);
            if (c.isKey(15, i))
                c.put(15, i, pal.steps[2]);
            if (c.isKey(16, i))
                c.put(16, i, pal.steps[2]);
        }
    }
    return c;
}

// A bomb rolling in direction (dx, dy) with a flame and speed lines behind.
Canvas rollingBomb(int dx, int dy)
{
    Canvas c(32, 32);
    Noise noise(seedFor("trail"));
    float cx = 16 + dx * 5.0f, cy = 17 + dy * 5.0f;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            double px = x + 0.5 - cx, py = y + 0.5 - cy;
            double back = -(px * dx + py * dy); // distance behind the bomb
            double side = std::abs(px * dy - py * dx);
            if (back < 3 || back > 16)
                continue;
            double width = 7.5 - (back - 3) * 0.45 + (noise.at(x / 3.0, y / 3.0) - 0.5) * 3;
            if (side > width)
                continue;
            double heat = 1.0 - (back - 3) / 13.0 - side / 14.0;
            Rgb col = heat > 0.7 ? fire.steps[4] : heat > 0.5 ? fire.steps[3] : heat > 0.3 ? fire.steps[2] : fire.steps[1];
            c.put(x, y, col);
        }
    // Speed lines.
    const Rgb streak{255, 255, 235};
    for (int k = -1; k <= 1; k += 2) {
        float ox = dy * k * 6.0f, oy = dx * k * 6.0f;
        float sx = cx - dx * 11 + ox, sy = cy - dy * 11 + oy;
        c.line(static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(sx - dx * 9), static_cast<int>(sy - dy * 9), streak);
    }
    drawBomb(c, cx, cy, 8);
    c.rect(static_cast<int>(cx) + 4, static_cast<int>(cy) - 9, static_cast<int>(cx) + 6, static_cast<int>(cy) - 7, fuseCap);
    drawSpark(c, static_cast<int>(cx) + 6, static_cast<int>(cy) - 10, 2, 0);
    return c;
}

} // namespace

void drawBomb(Canvas& c, float cx, float cy, float r, bool highlight)
{
    // A dark blue-grey rim keeps the black body visible on a black floor.
    c.circle(cx, cy, r + 1, Rgb(70, 74, 100));
    c.circle(cx, cy, r, black);
    if (highlight) {
        // Highlights in dark greys: never pure black, so "recolour bombs"
        // leaves them as the shine on the new body colour.
        c.ellipse(cx - r * 0.38f, cy - r * 0.42f, r * 0.33f, r * 0.22f, Rgb(64, 64, 64));
        c.ellipse(cx - r * 0.45f, cy - r * 0.5f, r * 0.14f, r * 0.1f, Rgb(150, 150, 160));
    }
}

Canvas makeBombSprite(int id)
{
    if (id >= 3 && id <= 23)
        return bombFrame(id - 3);
    if (id >= 24 && id <= 29)
        return flame((id - 24) % 3 + 1, id >= 27 ? annihilator : fire);
    switch (id) {
    case 30: return rollingBomb(-1, 0);
    case 31: return rollingBomb(1, 0);
    case 32: return rollingBomb(0, -1);
    default: return rollingBomb(0, 1);
    }
}
