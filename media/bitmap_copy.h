#pragma once
#include <allegro5/allegro.h>

// Copies the whole of `source` onto `target` with its top-left corner at
// (0, 0), replacing the pixels there (no blending, no tint, no shader). On an
// OpenGL display two whole video bitmaps of one size and pixel format are
// copied texture to texture, which costs a fraction of drawing them; anything
// else is drawn with blending off, which gives the same pixels.
void copyBitmap(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source);

// Whether copyBitmap may copy texture to texture (tests turn it off to check
// that both ways give the same pixels).
extern bool bitmapCopyByTexture;
