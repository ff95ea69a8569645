#include "media/render_target.h"

#include "media/recolour_shader.h"

namespace {
ALLEGRO_BITMAP* currentTarget = nullptr;
}

void setTargetBitmap(ALLEGRO_BITMAP* bitmap)
{
    // Allegro's own target is checked too: destroying the target bitmap or
    // creating a display moves it without telling us.
    if (bitmap == currentTarget && bitmap == al_get_target_bitmap())
        return;
    al_set_target_bitmap(bitmap);
    currentTarget = bitmap;
    bindShaderToTarget();
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

void resetTargetCache()
{
    currentTarget = nullptr;
}
