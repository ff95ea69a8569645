#pragma once
#include <allegro5/allegro.h>

// Makes `bitmap` Allegro's target, skipping the call when it already is. When
// the target changes, the recolour shader follows it: bound while recolouring
// is on, released otherwise.
void setTargetBitmap(ALLEGRO_BITMAP* bitmap);
// The bitmap last made the target through setTargetBitmap.
ALLEGRO_BITMAP* currentTargetBitmap();
// Called when a bitmap is destroyed: a cached target that points at it is
// dropped, so a new bitmap at the same address is targeted afresh.
void forgetTarget(ALLEGRO_BITMAP* bitmap);
// Drops the cached target outright (a display was created or destroyed, or
// something outside this module changed Allegro's target).
void resetTargetCache();
