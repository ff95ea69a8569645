#pragma once
#include <cstddef>

#include "game/draw/player_sprite_draw.h"
#include "game/sprite_state.h"

// Composed player sprites by look state, for the whole program. Composing goes
// through the recolour shader, so each state is composed once; the entries
// live until clearPlayerSpriteCache (after a game, when colours may have
// changed, and at shutdown, before the display goes).

// The cached sprite of a state, or null; counts a hit or a miss.
const PlayerSprite* findPlayerSprite(const SpriteState& state);
void storePlayerSprite(const SpriteState& state, PlayerSprite sprite);

// Drops every cached composed player sprite.
void clearPlayerSpriteCache();

std::size_t playerSpriteCacheSize();

// Look-ups since the program started (or the counts were reset).
struct PlayerSpriteCacheCounts {
    long hits = 0;
    long misses = 0;
};
PlayerSpriteCacheCounts playerSpriteCacheCounts();
void resetPlayerSpriteCacheCounts();
