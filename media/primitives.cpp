#include "media/primitives.h"

#include <allegro5/allegro_primitives.h>

#include "media/render_target.h"

namespace {

// Makes the target current; false (nothing drawn) for a missing bitmap.
bool target(ALLEGRO_BITMAP* bitmap)
{
    if (!bitmap)
        return false;
    setTargetBitmap(bitmap);
    return true;
}

}

void drawLine(ALLEGRO_BITMAP* bitmap, int x1, int y1, int x2, int y2, const ALLEGRO_COLOR& colour,
              float thickness)
{
    if (target(bitmap))
        al_draw_line(float(x1), float(y1), float(x2), float(y2), colour, thickness);
}

void drawRectangle(ALLEGRO_BITMAP* bitmap, int x1, int y1, int x2, int y2,
                   const ALLEGRO_COLOR& colour, float thickness)
{
    if (target(bitmap))
        al_draw_rectangle(float(x1), float(y1), float(x2), float(y2), colour, thickness);
}

void drawFilledRectangle(ALLEGRO_BITMAP* bitmap, int x1, int y1, int x2, int y2,
                         const ALLEGRO_COLOR& colour)
{
    if (target(bitmap))
        al_draw_filled_rectangle(float(x1), float(y1), float(x2), float(y2), colour);
}

void drawEllipse(ALLEGRO_BITMAP* bitmap, int cx, int cy, int rx, int ry, const ALLEGRO_COLOR& colour)
{
    if (target(bitmap))
        al_draw_ellipse(float(cx), float(cy), float(rx), float(ry), colour, 1.0f);
}

void drawFilledEllipse(ALLEGRO_BITMAP* bitmap, int cx, int cy, int rx, int ry,
                       const ALLEGRO_COLOR& colour)
{
    if (target(bitmap))
        al_draw_filled_ellipse(float(cx), float(cy), float(rx), float(ry), colour);
}

void drawArc(ALLEGRO_BITMAP* bitmap, int cx, int cy, int r, float startTheta, float deltaTheta,
             const ALLEGRO_COLOR& colour, float thickness)
{
    if (target(bitmap))
        al_draw_arc(float(cx), float(cy), float(r), startTheta, deltaTheta, colour, thickness);
}

void putPixel(ALLEGRO_BITMAP* bitmap, int x, int y, const ALLEGRO_COLOR& colour)
{
    if (target(bitmap))
        al_put_pixel(x, y, colour);
}

ALLEGRO_COLOR getPixel(ALLEGRO_BITMAP* bitmap, int x, int y)
{
    if (!bitmap)
        return al_map_rgba(0, 0, 0, 0);
    return al_get_pixel(bitmap, x, y);
}

void initPrimitives()
{
    al_init_primitives_addon();
}
