#include "media/sprites.h"

#include <stdexcept>
#include <unordered_map>

#include "frame/lookup_tables.h"
#include "media/image_search.h"
#include "media/render_target.h"

std::array<ALLEGRO_BITMAP*, spriteCount> sprites{};

namespace {

void releaseSprite(int id)
{
    if (!sprites[id])
        return;
    forgetTarget(sprites[id]);
    al_destroy_bitmap(sprites[id]);
    sprites[id] = nullptr;
}

void loadSprite(int id)
{
    ALLEGRO_BITMAP* bitmap = loadImage(imageExtensions, spriteNames[id]);
    al_convert_mask_to_alpha(bitmap, al_map_rgb(255, 0, 255));
    // A reload replaces the old bitmap rather than leaking it.
    releaseSprite(id);
    sprites[id] = bitmap;
}

}

void checkSpriteId(int spriteId)
{
    if (spriteId < 0 || spriteId >= spriteCount)
        throw std::runtime_error("Sprite id out of range: " + std::to_string(spriteId));
}

void loadBitmaps(std::optional<int> spriteId)
{
    if (spriteId)
        checkSpriteId(*spriteId);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ANY_WITH_ALPHA);
    al_set_new_bitmap_flags(ALLEGRO_CONVERT_BITMAP);
    if (spriteId) {
        loadSprite(*spriteId);
        return;
    }
    for (int id = 0; id < spriteCount; ++id) {
        if (lazySpriteIds.count(id))
            releaseSprite(id);
        else
            loadSprite(id);
    }
}

ALLEGRO_BITMAP* getBitmap(int spriteId)
{
    checkSpriteId(spriteId);
    if (!sprites[spriteId])
        loadBitmaps(spriteId);
    return sprites[spriteId];
}

int spriteWidth(int spriteId)
{
    return al_get_bitmap_width(getBitmap(spriteId));
}

int spriteHeight(int spriteId)
{
    return al_get_bitmap_height(getBitmap(spriteId));
}

int spriteIdByName(const std::string& name)
{
    static const std::unordered_map<std::string, int> ids = [] {
        std::unordered_map<std::string, int> table;
        for (int id = 0; id < int(spriteNames.size()); ++id)
            table.emplace(spriteNames[id], id);
        return table;
    }();
    auto it = ids.find(name);
    if (it == ids.end())
        throw std::runtime_error("Unknown sprite: " + name);
    return it->second;
}

void destroySprites()
{
    for (int id = 0; id < spriteCount; ++id)
        releaseSprite(id);
}
