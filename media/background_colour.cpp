#include "media/background_colour.h"

#include "frame/accessibility_settings.h"

ALLEGRO_COLOR getBackgroundColour()
{
    switch (accessibilitySettings.bgcol) {
    case 1:
        return al_map_rgb(57, 123, 8);
    case 2:
        return al_map_rgb(100, 0, 0);
    case 3:
        return al_map_rgb(20, 20, 123);
    case 4:
        return al_map_rgb(57, 57, 57);
    default:
        return al_map_rgb(0, 0, 0);
    }
}
