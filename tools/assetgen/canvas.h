#pragma once
#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    constexpr Rgb() = default;
    constexpr Rgb(int red, int green, int blue)
        : r(static_cast<uint8_t>(red)), g(static_cast<uint8_t>(green)), b(static_cast<uint8_t>(blue))
    {
    }
    bool operator==(const Rgb&) const = default;
    bool isGrey() const { return r == g && g == b; }
};

// The transparency key of every sprite.
inline constexpr Rgb keyColour{255, 0, 255};
// Areas in this grey take the player's colour; darker pure greys shade it.
inline constexpr Rgb baseGrey{192, 192, 192};
inline constexpr Rgb shadeGrey{128, 128, 128};
inline constexpr Rgb deepGrey{96, 96, 96};
inline constexpr Rgb black{0, 0, 0};

Rgb mix(Rgb a, Rgb b, double t);
Rgb scaled(Rgb c, double factor);

// A drawing surface on an Allegro memory bitmap. Shapes go through the
// primitives addon with an overwriting blender, so every pixel gets exactly
// the colour asked for (no blending, no anti-aliasing). Single pixels are
// read and written through a lock that is taken lazily and dropped before
// the next primitive.
class Canvas {
public:
    Canvas(int width, int height, Rgb fill = keyColour);
    ~Canvas();
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    ALLEGRO_BITMAP* bitmap() const;

    Rgb get(int x, int y) const; // the key colour outside the canvas
    void put(int x, int y, Rgb c); // ignored outside the canvas
    bool isKey(int x, int y) const { return get(x, y) == keyColour; }

    void fill(Rgb c);
    void rect(int x0, int y0, int x1, int y1, Rgb c); // inclusive corners
    void rectOutline(int x0, int y0, int x1, int y1, Rgb c);
    void ellipse(float cx, float cy, float rx, float ry, Rgb c);
    void circle(float cx, float cy, float r, Rgb c) { ellipse(cx, cy, r, r, c); }
    void triangle(float x0, float y0, float x1, float y1, float x2, float y2, Rgb c);
    void polygon(std::initializer_list<float> xy, Rgb c);
    void polygon(const std::vector<float>& xy, Rgb c);
    void thickLine(float x0, float y0, float x1, float y1, float thickness, Rgb c);
    void arc(float cx, float cy, float r, float start, float delta, float thickness, Rgb c);
    // Smooth vertical gradient (for the photographs, never for sprites).
    void gradient(float x0, float y0, float x1, float y1, Rgb top, Rgb bottom);
    void text(const ALLEGRO_FONT* font, float x, float y, int flags, Rgb c, const std::string& s);

    void line(int x0, int y0, int x1, int y1, Rgb c); // one-pixel Bresenham line
    void outline(Rgb c, bool diagonal = false); // around every non-key area
    void replace(Rgb from, Rgb to);
    void blit(const Canvas& src, int dx, int dy, bool mirror = false); // skips key pixels
    Canvas mirrored() const;
    Canvas rotatedClockwise() const;
    Canvas rotatedAnticlockwise() const;
    Canvas shrunkBy(int factor) const; // box filter, for supersampled pictures

    std::vector<uint8_t> rgbBytes() const;

private:
    void lock() const;
    void unlock() const;
    void beginDraw() const;
    uint8_t* row(int y) const;

    int width_ = 0, height_ = 0;
    ALLEGRO_BITMAP* bitmap_ = nullptr;
    mutable ALLEGRO_LOCKED_REGION* region_ = nullptr;
};

// Fonts for one thread (Allegro fonts cache glyphs and must not be shared).
struct Fonts {
    ALLEGRO_FONT* builtin = nullptr; // 8x8 pixel font
    ALLEGRO_FONT* ocrSmall = nullptr;
    ALLEGRO_FONT* ocrMedium = nullptr;
    ALLEGRO_FONT* ocrLarge = nullptr;
    Fonts(const std::string& ocrPath);
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
};

// Draws text scaled up by a whole factor (crisp pixels) with the built-in font.
void bigText(Canvas& canvas, const ALLEGRO_FONT* font, int x, int y, int scale, Rgb c, const std::string& s,
             bool centred = true);
