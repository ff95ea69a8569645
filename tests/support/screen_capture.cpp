#include "support/screen_capture.h"

#include <allegro5/allegro_image.h>
#include <cstdlib>

#include "support/placeholder_assets.h"

std::filesystem::path screenshotFile(const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::path(TAMWICK_RUN_DIR).parent_path() / "screenshots";
    std::filesystem::create_directories(folder);
    return folder / name;
}

bool captureScreen(const std::filesystem::path& path)
{
    // The root window: asked for one window, import raises it and may wait
    // for an exposure that never comes.
    return std::system(("import -window root " + path.string() + " 2>/dev/null").c_str()) == 0;
}

ScreenImage::ScreenImage(const std::filesystem::path& path)
{
    ensurePlaceholderWriter();
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    bitmap_ = al_load_bitmap(path.string().c_str());
    al_restore_state(&state);
}

ScreenImage::~ScreenImage()
{
    if (bitmap_)
        al_destroy_bitmap(bitmap_);
}

std::array<int, 3> ScreenImage::at(int x, int y) const
{
    if (!bitmap_ || x < 0 || y < 0 || x >= al_get_bitmap_width(bitmap_) || y >= al_get_bitmap_height(bitmap_))
        return {-1, -1, -1};
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(bitmap_, x, y), &r, &g, &b);
    return {r, g, b};
}
