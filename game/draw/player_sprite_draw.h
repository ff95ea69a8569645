#pragma once
#include <vector>

#include "frame/vector2.h"
#include "game/sprite_state.h"
#include "media/bitmap_wrapper.h"

// How a player's look state becomes one composed bitmap: which sprites, in
// which order and direction, and how the recolour shader paints them.

struct RecipePart {
    int spriteId = 0;
    int xOffset = 0;
    bool mirrored = false;
    friend bool operator==(const RecipePart&, const RecipePart&) = default;
};

struct SpriteRecipe {
    std::vector<RecipePart> parts;
    // Where the composed bitmap is drawn relative to the player's 32x32 box.
    Vector2 offset;
    // The parts' base grey takes the look's colour.
    bool recolour = false;
    // Every opaque colour counts as the base colour (the shader's baseColAny).
    bool anyBaseColour = false;
    // Parts stacked downwards (head above body); otherwise side by side.
    bool vertical = true;
    // The part order is reversed before composing.
    bool reversed = false;
};

// The recipe of a look state: a slowed human is a snail, a held human lies
// crawling, a human is a head over a body, and a snake is its head alone.
SpriteRecipe buildSpriteKey(const SpriteState& state);

// A composed player picture and where it goes relative to the player's box.
struct PlayerSprite {
    BitmapPtr bitmap;
    Vector2 offset;
};

// The composed sprite for a state: from the cache, or composed through the
// recolour shader on first use and cached until clearPlayerSpriteCache.
PlayerSprite getSprite(const SpriteState& state);
