#pragma once
#include <allegro5/allegro.h>

// Shapes drawn onto an explicit target through the cached render target.
void drawLine(ALLEGRO_BITMAP* target, int x1, int y1, int x2, int y2, const ALLEGRO_COLOR& colour,
              float thickness);
void drawRectangle(ALLEGRO_BITMAP* target, int x1, int y1, int x2, int y2,
                   const ALLEGRO_COLOR& colour, float thickness);
void drawFilledRectangle(ALLEGRO_BITMAP* target, int x1, int y1, int x2, int y2,
                         const ALLEGRO_COLOR& colour);
// Outline one pixel thick.
void drawEllipse(ALLEGRO_BITMAP* target, int cx, int cy, int rx, int ry, const ALLEGRO_COLOR& colour);
void drawFilledEllipse(ALLEGRO_BITMAP* target, int cx, int cy, int rx, int ry,
                       const ALLEGRO_COLOR& colour);
// Angles in radians.
void drawArc(ALLEGRO_BITMAP* target, int cx, int cy, int r, float startTheta, float deltaTheta,
             const ALLEGRO_COLOR& colour, float thickness);
void putPixel(ALLEGRO_BITMAP* target, int x, int y, const ALLEGRO_COLOR& colour);
// Reads without changing the target; transparent black from a missing bitmap.
ALLEGRO_COLOR getPixel(ALLEGRO_BITMAP* bitmap, int x, int y);

// Starts Allegro's primitives addon.
void initPrimitives();
