#include "media/render_target.h"

namespace {
ALLEGRO_BITMAP* currentTarget = nullptr;
}

void setTargetBitmap(ALLEGRO_BITMAP* bitmap)
{
    if (bitmap == currentTarget)
        return;
    al_set_target_bitmap(bitmap);
    currentTarget = bitmap;
}

ALLEGRO_BITMAP* currentTargetBitmap()
{
    return currentTarget;
}

void forgetTarget(ALLEGRO_BITMAP* bitmap)
{
    if (bitmap == currentTarget)
        currentTarget = nullptr;
}
