#include "game/draw/player_sprite_cache.h"

#include <unordered_map>

namespace {

using Cache = std::unordered_map<SpriteState, PlayerSprite, SpriteStateHash>;

// Never destroyed: its bitmaps must go while Allegro still runs, which only
// clearPlayerSpriteCache can see to, and it may be called late in the exit.
Cache& cache()
{
    static Cache& sprites = *new Cache;
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
