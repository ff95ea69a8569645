#include "media/bitmap_draw.h"

#include "frame/rgb.h"
#include "media/recolour_shader.h"
#include "media/render_target.h"
#include "media/sprites.h"

int bitmapDrawCount = 0;

namespace {

// 255 angle units to a turn.
constexpr float angleUnitsPerRadian = 40.58451f;

void convertIfMemory(ALLEGRO_BITMAP* bitmap)
{
    if (!(al_get_bitmap_flags(bitmap) & ALLEGRO_MEMORY_BITMAP))
        return;
    al_convert_bitmap(bitmap);
    // Converting may have moved Allegro's target; target it afresh.
    forgetTarget(bitmap);
}

// The steps every draw shares: memory bitmaps become video bitmaps (so later
// draws are accelerated), the target is set, and a recolouring shader learns
// the source's size. The size goes after targeting, which may rebind the shader.
bool prepare(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, bool sendSize)
{
    if (!target || !source)
        return false;
    convertIfMemory(target);
    convertIfMemory(source);
    setTargetBitmap(target);
    if (sendSize && recolourActive)
        setRecolourSourceSize(al_get_bitmap_width(source), al_get_bitmap_height(source));
    bitmapDrawCount += 1;
    return true;
}

ALLEGRO_COLOR alphaTint(int alpha)
{
    std::uint8_t a = colourComponent(alpha);
    return al_map_rgba(a, a, a, a);
}

}

void setTargetAndClear(BitmapWrapper& target, ALLEGRO_COLOR colour)
{
    if (!target.bitmap)
        return;
    setTargetBitmap(target.bitmap);
    al_clear_to_color(colour);
}

void clearBitmap(BitmapWrapper& target)
{
    setTargetAndClear(target, al_map_rgb(0, 0, 0));
}

void drawBitmap(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int x, int y, bool flip, int alpha)
{
    if (!prepare(target, source, true))
        return;
    int flags = flip ? ALLEGRO_FLIP_HORIZONTAL : 0;
    if (alpha == 255)
        al_draw_bitmap(source, float(x), float(y), flags);
    else
        al_draw_tinted_bitmap(source, alphaTint(alpha), float(x), float(y), flags);
}

void drawBitmapOnto(BitmapWrapper& source, BitmapWrapper& target, int x, int y, int alpha)
{
    drawBitmap(target.bitmap, source.bitmap, x, y, false, alpha);
}

void drawSprite(ALLEGRO_BITMAP* target, int spriteId, int x, int y, bool flip)
{
    drawBitmap(target, getBitmap(spriteId), x, y, flip, 255);
}

void drawBitmapTinted(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int x, int y, int r, int g,
                      int b, int a)
{
    if (!prepare(target, source, true))
        return;
    al_draw_tinted_bitmap(source,
                          al_map_rgba(colourComponent(r), colourComponent(g), colourComponent(b),
                                      colourComponent(a)),
                          float(x), float(y), 0);
}

float angleToRadians(float angle)
{
    return angle / angleUnitsPerRadian;
}

void drawBitmapScaledRotated(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int cx, int cy,
                             int dx, int dy, float angle, float scale, int alpha)
{
    if (!prepare(target, source, true))
        return;
    float radians = angleToRadians(angle);
    if (alpha == 255)
        al_draw_scaled_rotated_bitmap(source, float(cx), float(cy), float(dx), float(dy), scale,
                                      scale, radians, 0);
    else
        al_draw_tinted_scaled_rotated_bitmap(source, alphaTint(alpha), float(cx), float(cy),
                                             float(dx), float(dy), scale, scale, radians, 0);
}

void drawSpriteScaledRotated(ALLEGRO_BITMAP* target, int spriteId, int cx, int cy, int dx, int dy,
                             float angle, float scale, int alpha)
{
    drawBitmapScaledRotated(target, getBitmap(spriteId), cx, cy, dx, dy, angle, scale, alpha);
}

void drawBitmapScaled(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int sx, int sy, int sw,
                      int sh, int dx, int dy, int dw, int dh)
{
    if (!prepare(target, source, false))
        return;
    al_draw_scaled_bitmap(source, float(sx), float(sy), float(sw), float(sh), float(dx), float(dy),
                          float(dw), float(dh), 0);
}

void drawSpriteScaled(ALLEGRO_BITMAP* target, int spriteId, int sx, int sy, int sw, int sh, int dx,
                      int dy, int dw, int dh)
{
    drawBitmapScaled(target, getBitmap(spriteId), sx, sy, sw, sh, dx, dy, dw, dh);
}
