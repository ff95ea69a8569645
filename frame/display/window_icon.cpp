#include <allegro5/allegro.h>

#include "frame/display/display.h"

namespace {
const char* const iconFile = "tamwick.png";
}

void setWindowIcon()
{
    if (!display)
        return;
    ALLEGRO_BITMAP* icon = al_load_bitmap(iconFile);
    if (!icon)
        return;
    // The window keeps its own copy of the pixels.
    al_set_display_icon(display, icon);
    al_destroy_bitmap(icon);
}
