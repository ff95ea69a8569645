#include "game/player_sprite_cache.h"

#include <unordered_map>

namespace {

std::unordered_map<SpriteState, PlayerSprite, SpriteStateHash>& cache()
{
    static std::unordered_map<SpriteState, PlayerSprite, SpriteStateHash> sprites;
    return sprites;
}

PlayerSpriteCacheCounts counts;

}

const PlayerSprite* findPlayerSprite(const SpriteState& state)
{
    auto it = cache().find(state);
    if (it == cache().end()) {
        ++counts.misses;
        return nullptr;
    }
    ++counts.hits;
    return &it->second;
}

void storePlayerSprite(const SpriteState& state, PlayerSprite sprite)
{
    cache().insert_or_assign(state, std::move(sprite));
}

void clearPlayerSpriteCache()
{
    cache().clear();
}

std::size_t playerSpriteCacheSize()
{
    return cache().size();
}

PlayerSpriteCacheCounts playerSpriteCacheCounts()
{
    return counts;
}

void resetPlayerSpriteCacheCounts()
{
    counts = {};
}
