#include "game/player_sprite_cache.h"

// Stand-in until players are drawn from a cache of composed sprites.
void clearPlayerSpriteCache() {}
