#pragma once
#include <allegro5/allegro.h>

#include "media/bitmap_wrapper.h"

// Drawing helpers: integer positions, an explicit target, the cached render
// target. A null source or target draws nothing. Colour components and alphas
// outside 0..255 are clamped.

// Bitmap draws since the last reset (the game's per-frame counter).
extern int bitmapDrawCount;

void setTargetAndClear(BitmapWrapper& target, ALLEGRO_COLOR colour);
// Clears to black.
void clearBitmap(BitmapWrapper& target);

// Alpha 255 draws plainly; below that the bitmap is tinted (alpha, alpha, alpha, alpha).
void drawBitmap(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int x, int y, bool flip, int alpha);
// Note the order: source first.
void drawBitmapOnto(BitmapWrapper& source, BitmapWrapper& target, int x, int y, int alpha);
void drawSprite(ALLEGRO_BITMAP* target, int spriteId, int x, int y, bool flip);
void drawBitmapTinted(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int x, int y, int r, int g,
                      int b, int a);

// Turns about (cx, cy) of the source, placed at (dx, dy); 255 angle units make a full turn.
void drawBitmapScaledRotated(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int cx, int cy,
                             int dx, int dy, float angle, float scale, int alpha);
void drawSpriteScaledRotated(ALLEGRO_BITMAP* target, int spriteId, int cx, int cy, int dx, int dy,
                             float angle, float scale, int alpha);
// The angle in radians of `angle` units.
float angleToRadians(float angle);

// Source rectangle (sx, sy, sw, sh) scaled into (dx, dy, dw, dh).
void drawBitmapScaled(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int sx, int sy, int sw,
                      int sh, int dx, int dy, int dw, int dh);
void drawSpriteScaled(ALLEGRO_BITMAP* target, int spriteId, int sx, int sy, int sw, int sh, int dx,
                      int dy, int dw, int dh);
