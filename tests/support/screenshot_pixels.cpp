#include "support/screenshot_pixels.h"

#include <allegro5/allegro.h>

#include "support/placeholder_assets.h"

int countPixels(const std::filesystem::path& image,
                const std::function<bool(unsigned char r, unsigned char g, unsigned char b)>& match)
{
    ensurePlaceholderWriter();
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_load_bitmap(image.string().c_str());
    al_restore_state(&state);
    if (!bitmap)
        return 0;
    int count = 0;
    for (int y = 0; y < al_get_bitmap_height(bitmap); y += 2)
        for (int x = 0; x < al_get_bitmap_width(bitmap); x += 2) {
            unsigned char r, g, b;
            al_unmap_rgb(al_get_pixel(bitmap, x, y), &r, &g, &b);
            count += match(r, g, b) ? 1 : 0;
        }
    al_destroy_bitmap(bitmap);
    return count;
}
