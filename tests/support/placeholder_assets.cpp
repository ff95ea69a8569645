#include "support/placeholder_assets.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>
#include <stdexcept>
#include <utility>

#include "frame/names.h"
#include "media/fonts.h"
#include "media/image_search.h"
#include "support/allegro_environment.h"

namespace fs = std::filesystem;

namespace {

const char* const systemFont = "/usr/share/fonts/truetype/ocr-a/OCRA.ttf";

void fill(int x1, int y1, int x2, int y2, ALLEGRO_COLOR colour)
{
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            al_put_pixel(x, y, colour);
}

std::pair<int, int> spriteSize(const std::string& name)
{
    if (name.rfind("Head", 0) == 0 && name.find("Crawl") == std::string::npos)
        return {32, 28};
    if (name == "ZEV")
        return {256, 128};
    if (name == "Crest")
        return {64, 64};
    if (name == "TLogo3")
        return {1000, 200};
    if (name == "Snail" || name == "SnailDown")
        return {32, 44};
    return {32, 32};
}

}

void ensurePlaceholderWriter()
{
    ensureAllegroSystem();
    if (!al_is_image_addon_initialized())
        al_init_image_addon();
}

void writePlaceholderImage(const fs::path& path, int width, int height)
{
    ensurePlaceholderWriter();
    fs::create_directories(path.parent_path());
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS | ALLEGRO_STATE_TARGET_BITMAP);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ANY_32_WITH_ALPHA);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    if (!bitmap) {
        al_restore_state(&state);
        throw std::runtime_error("cannot create placeholder bitmap");
    }
    al_set_target_bitmap(bitmap);
    al_clear_to_color(al_map_rgb(255, 0, 255));
    // Base grey with a darker band, black eyes, leaving a one-pixel margin.
    if (width > 2 && height > 2) {
        fill(1, 1, width - 1, height - 1, al_map_rgb(192, 192, 192));
        fill(1, height * 2 / 3, width - 1, height - 1, al_map_rgb(128, 128, 128));
        fill(width / 3, height / 3, width / 3 + 2, height / 3 + 2, al_map_rgb(0, 0, 0));
        fill(width * 2 / 3 - 2, height / 3, width * 2 / 3, height / 3 + 2,
             al_map_rgb(0, 0, 0));
    }
    bool saved = al_save_bitmap(path.string().c_str(), bitmap);
    al_destroy_bitmap(bitmap);
    al_restore_state(&state);
    if (!saved)
        throw std::runtime_error("cannot save " + path.string());
}

void writePlaceholderRunFolder(const fs::path& folder)
{
    for (int id = 0; id < spriteCount; ++id) {
        const std::string& name = spriteNames[id];
        if (id >= 229) { // the loot-box photographs
            writePlaceholderImage(folder / "gfx" / "photos" / (name + ".png"), 64, 48);
        } else {
            auto [width, height] = spriteSize(name);
            writePlaceholderImage(folder / "gfx" / (name + ".png"), width, height);
        }
    }
    writePlaceholderImage(folder / "tamwick.png", 64, 64);
    fs::create_directories(folder / "fonts");
    fs::copy_file(systemFont, folder / fontFile, fs::copy_options::overwrite_existing);
    fs::create_directories(folder / "shaders");
    for (const char* shader : {"vertex.glsl", "pixel_recolour.glsl"})
        fs::copy_file(fs::path(TAMWICK_SOURCE_DIR) / "shaders" / shader, folder / "shaders" / shader,
                      fs::copy_options::overwrite_existing);
    // The program will not start without its sound effects: take the generated ones.
    for (const char* audio : {"newSound", "music"})
        if (fs::is_directory(fs::path(TAMWICK_RUN_DIR) / audio))
            fs::copy(fs::path(TAMWICK_RUN_DIR) / audio, folder / audio,
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

bool hasCompleteAssets(const fs::path& folder)
{
    if (!fs::exists(folder / fontFile) || !fs::exists(folder / "shaders" / "pixel_recolour.glsl") ||
        !fs::exists(folder / "shaders" / "vertex.glsl"))
        return false;
    ImageSearch search(folder);
    for (const std::string& name : spriteNames)
        if (!search.find(imageExtensions, name))
            return false;
    return true;
}
