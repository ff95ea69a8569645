#pragma once
#include <optional>

#include "frame/vector2.h"

// One sprite of a composed player: where it anchors, whether it is drawn
// mirrored, and which sprite it is.
struct SpritePart {
    std::optional<Vector2> anchor;
    bool mirrored = false;
    int spriteId = 0;

    friend bool operator==(const SpritePart&, const SpritePart&) = default;
};
