#include "game/particles.h"
#include "media/bitmap_wrapper.h"

void drawParticles(BitmapWrapper&) {}
