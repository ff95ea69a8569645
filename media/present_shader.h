#pragma once
#include <allegro5/allegro.h>

// The frame's scaled draw onto the backbuffer goes through a shader of its own
// that only fetches the texel: Allegro's default shader also multiplies by the
// vertex colour and runs an alpha test, which on a software renderer costs a
// good share of every frame. For an untinted draw with the alpha test off (the
// only kind made here) both give the same pixels.

// Builds the shader; needs a display. Without one, or when building fails,
// drawBitmapScaledPlain falls back to Allegro's default shader.
void createPresentShader();
void destroyPresentShader();
bool presentShaderReady();

// As drawBitmapScaled, untinted, through the present shader when it is ready.
// The target's shader is as before afterwards.
void drawBitmapScaledPlain(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int sx, int sy, int sw,
                           int sh, int dx, int dy, int dw, int dh);
