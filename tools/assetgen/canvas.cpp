#include "canvas.h"

#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

Rgb mix(Rgb a, Rgb b, double t)
{
    auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return Rgb(m(a.r, b.r), m(a.g, b.g), m(a.b, b.b));
}

Rgb scaled(Rgb c, double factor)
{
    auto s = [factor](int x) { return std::clamp(static_cast<int>(std::lround(x * factor)), 0, 255); };
    return Rgb(s(c.r), s(c.g), s(c.b));
}

namespace {

ALLEGRO_COLOR toAllegro(Rgb c) { return al_map_rgb(c.r, c.g, c.b); }

ALLEGRO_BITMAP* createMemoryBitmap(int width, int height)
{
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    if (!bitmap)
        throw std::runtime_error("Could not create a memory bitmap");
    return bitmap;
}

} // namespace

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), bitmap_(createMemoryBitmap(width, height))
{
    this->fill(fill);
}

Canvas::~Canvas()
{
    if (bitmap_) {
        unlock();
        al_destroy_bitmap(bitmap_);
    }
}

Canvas::Canvas(Canvas&& other) noexcept
    : width_(other.width_), height_(other.height_), bitmap_(other.bitmap_), region_(other.region_)
{
    other.bitmap_ = nullptr;
    other.region_ = nullptr;
}

Canvas& Canvas::operator=(Canvas&& other) noexcept
{
    if (this != &other) {
        if (bitmap_) {
            unlock();
            al_destroy_bitmap(bitmap_);
        }
        width_ = other.width_;
        height_ = other.height_;
        bitmap_ = other.bitmap_;
        region_ = other.region_;
        other.bitmap_ = nullptr;
        other.region_ = nullptr;
    }
    return *this;
}

ALLEGRO_BITMAP* Canvas::bitmap() const
{
    unlock();
    return bitmap_;
}

void Canvas::lock() const
{
    if (!region_) {
        region_ = al_lock_bitmap(bitmap_, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READWRITE);
        if (!region_)
            throw std::runtime_error("Could not lock a memory bitmap");
    }
}

void Canvas::unlock() const
{
    if (region_) {
        al_unlock_bitmap(bitmap_);
        region_ = nullptr;
    }
}

void Canvas::beginDraw() const
{
    unlock();
    al_set_target_bitmap(bitmap_);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
}

uint8_t* Canvas::row(int y) const
{
    lock();
    return static_cast<uint8_t*>(region_->data) + static_cast<ptrdiff_t>(region_->pitch) * y;
}

Rgb Canvas::get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return keyColour;
    const uint8_t* p = row(y) + x * 4;
    return Rgb(p[0], p[1], p[2]);
}

void Canvas::put(int x, int y, Rgb c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    uint8_t* p = row(y) + x * 4;
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = 255;
}

void Canvas::fill(Rgb c)
{
    beginDraw();
    al_clear_to_color(toAllegro(c));
}

void Canvas::rect(int x0, int y0, int x1, int y1, Rgb c)
{
    if (x1 < x0)
        std::swap(x0, x1);
    if (y1 < y0)
        std::swap(y0, y1);
    beginDraw();
    al_draw_filled_rectangle(x0, y0, x1 + 1, y1 + 1, toAllegro(c));
}

void Canvas::rectOutline(int x0, int y0, int x1, int y1, Rgb c)
{
    rect(x0, y0, x1, y0, c);
    rect(x0, y1, x1, y1, c);
    rect(x0, y0, x0, y1, c);
    rect(x1, y0, x1, y1, c);
}

void Canvas::ellipse(float cx, float cy, float rx, float ry, Rgb c)
{
    beginDraw();
    al_draw_filled_ellipse(cx, cy, rx, ry, toAllegro(c));
}

void Canvas::triangle(float x0, float y0, float x1, float y1, float x2, float y2, Rgb c)
{
    beginDraw();
    al_draw_filled_triangle(x0, y0, x1, y1, x2, y2, toAllegro(c));
}

void Canvas::polygon(std::initializer_list<float> xy, Rgb c) { polygon(std::vector<float>(xy), c); }

void Canvas::polygon(const std::vector<float>& xy, Rgb c)
{
    // Allegro's triangulator wants one winding; accept either.
    const size_t n = xy.size() / 2;
    double area = 0;
    for (size_t i = 0; i < n; ++i) {
        size_t j = (i + 1) % n;
        area += xy[2 * i] * xy[2 * j + 1] - xy[2 * j] * xy[2 * i + 1];
    }
    std::vector<float> points = xy;
    if (area > 0)
        for (size_t i = 0; i < n; ++i) {
            points[2 * i] = xy[2 * (n - 1 - i)];
            points[2 * i + 1] = xy[2 * (n - 1 - i) + 1];
        }
    beginDraw();
    al_draw_filled_polygon(points.data(), static_cast<int>(n), toAllegro(c));
}

void Canvas::thickLine(float x0, float y0, float x1, float y1, float thickness, Rgb c)
{
    beginDraw();
    al_draw_line(x0, y0, x1, y1, toAllegro(c), thickness);
}

void Canvas::arc(float cx, float cy, float r, float start, float delta, float thickness, Rgb c)
{
    beginDraw();
    al_draw_arc(cx, cy, r, start, delta, toAllegro(c), thickness);
}

void Canvas::gradient(float x0, float y0, float x1, float y1, Rgb top, Rgb bottom)
{
    beginDraw();
    ALLEGRO_COLOR t = toAllegro(top), b = toAllegro(bottom);
    ALLEGRO_VERTEX v[4] = {
        {x0, y0, 0, 0, 0, t}, {x1, y0, 0, 0, 0, t}, {x0, y1, 0, 0, 0, b}, {x1, y1, 0, 0, 0, b}};
    al_draw_prim(v, nullptr, nullptr, 0, 4, ALLEGRO_PRIM_TRIANGLE_STRIP);
}

void Canvas::text(const ALLEGRO_FONT* font, float x, float y, int flags, Rgb c, const std::string& s)
{
    // Glyphs are monochrome (alpha 0 or 1), so ordinary alpha blending
    // leaves exact colours.
    beginDraw();
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);
    al_draw_text(font, toAllegro(c), x, y, flags, s.c_str());
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
}

void Canvas::line(int x0, int y0, int x1, int y1, Rgb c)
{
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        put(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::outline(Rgb c, bool diagonal)
{
    std::vector<uint8_t> solid(static_cast<size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            solid[y * width_ + x] = !isKey(x, y);
    auto at = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && solid[y * width_ + x];
    };
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            if (solid[y * width_ + x])
                continue;
            bool near = at(x - 1, y) || at(x + 1, y) || at(x, y - 1) || at(x, y + 1);
            if (diagonal)
                near = near || at(x - 1, y - 1) || at(x + 1, y - 1) || at(x - 1, y + 1) || at(x + 1, y + 1);
            if (near)
                put(x, y, c);
        }
}

void Canvas::replace(Rgb from, Rgb to)
{
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (get(x, y) == from)
                put(x, y, to);
}

void Canvas::blit(const Canvas& src, int dx, int dy, bool mirror)
{
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            Rgb c = src.get(mirror ? src.width() - 1 - x : x, y);
            if (c != keyColour)
                put(dx + x, dy + y, c);
        }
}

Canvas Canvas::mirrored() const
{
    Canvas out(width_, height_);
    out.blit(*this, 0, 0, true);
    return out;
}

Canvas Canvas::rotatedClockwise() const
{
    Canvas out(height_, width_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            out.put(height_ - 1 - y, x, get(x, y));
    return out;
}

Canvas Canvas::rotatedAnticlockwise() const
{
    Canvas out(height_, width_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            out.put(y, width_ - 1 - x, get(x, y));
    return out;
}

Canvas Canvas::shrunkBy(int factor) const
{
    Canvas out(width_ / factor, height_ / factor);
    const int n = factor * factor;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < factor; ++j) {
                const uint8_t* p = row(y * factor + j) + x * factor * 4;
                for (int i = 0; i < factor; ++i, p += 4) {
                    r += p[0];
                    g += p[1];
                    b += p[2];
                }
            }
            out.put(x, y, Rgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    return out;
}

std::vector<uint8_t> Canvas::rgbBytes() const
{
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 3);
    for (int y = 0; y < height_; ++y) {
        const uint8_t* p = row(y);
        uint8_t* o = &out[static_cast<size_t>(y) * width_ * 3];
        for (int x = 0; x < width_; ++x, p += 4, o += 3) {
            o[0] = p[0];
            o[1] = p[1];
            o[2] = p[2];
        }
    }
    return out;
}

Fonts::Fonts(const std::string& ocrPath)
{
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ANY_WITH_ALPHA);
    builtin = al_create_builtin_font();
    ocrSmall = al_load_ttf_font(ocrPath.c_str(), 14, ALLEGRO_TTF_MONOCHROME);
    ocrMedium = al_load_ttf_font(ocrPath.c_str(), 28, ALLEGRO_TTF_MONOCHROME);
    ocrLarge = al_load_ttf_font(ocrPath.c_str(), 64, ALLEGRO_TTF_MONOCHROME);
    if (!builtin || !ocrSmall || !ocrMedium || !ocrLarge)
        throw std::runtime_error("Could not load the fonts (" + ocrPath + ")");
}

Fonts::~Fonts()
{
    for (ALLEGRO_FONT* font : {builtin, ocrSmall, ocrMedium, ocrLarge})
        if (font)
            al_destroy_font(font);
}

void bigText(Canvas& canvas, const ALLEGRO_FONT* font, int x, int y, int scale, Rgb c, const std::string& s,
             bool centred)
{
    int w = al_get_text_width(font, s.c_str());
    int h = al_get_font_line_height(font);
    Canvas mask(w + 2, h + 2);
    mask.text(font, 1, 1, 0, Rgb(0, 0, 1), s);
    int left = centred ? x - (w * scale) / 2 : x;
    for (int my = 0; my < mask.height(); ++my)
        for (int mx = 0; mx < mask.width(); ++mx)
            if (mask.get(mx, my) == Rgb(0, 0, 1))
                canvas.rect(left + (mx - 1) * scale, y + (my - 1) * scale, left + mx * scale - 1,
                            y + my * scale - 1, c);
}
