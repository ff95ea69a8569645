#pragma once
#include <allegro5/allegro.h>

// Makes `bitmap` Allegro's target, skipping the call when it already is.
void setTargetBitmap(ALLEGRO_BITMAP* bitmap);
// The bitmap last made the target through setTargetBitmap.
ALLEGRO_BITMAP* currentTargetBitmap();
// Called when a bitmap is destroyed: a cached target that points at it is
// dropped, so a new bitmap at the same address is targeted afresh.
void forgetTarget(ALLEGRO_BITMAP* bitmap);
