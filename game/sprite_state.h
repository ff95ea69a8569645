#pragma once
#include <cstddef>
#include <functional>

#include "frame/facing.h"
#include "media/player_look.h"

// Everything that decides how a player's composed sprite looks; the key of the
// drawing's sprite cache. Pure data, so the rules can hand it on (a death
// sprite) without touching the display.
struct SpriteState {
    PlayerLook look;
    Facing facing = Facing::Down;
    int shield = 0;          // 0 none, 1 shield outline, 2 blinking white (see Player::shieldLook)
    int frame = 0;
    bool slowed = false;
    bool snake = false;
    bool ai = false;
    bool held = false;
    bool dead = false;
    bool remoteArmed = false;

    friend bool operator==(const SpriteState& a, const SpriteState& b)
    {
        return a.look == b.look && a.facing == b.facing && a.shield == b.shield &&
               a.frame == b.frame && a.slowed == b.slowed && a.snake == b.snake && a.ai == b.ai &&
               a.held == b.held && a.dead == b.dead && a.remoteArmed == b.remoteArmed;
    }
};

struct SpriteStateHash {
    std::size_t operator()(const SpriteState& s) const;
};
