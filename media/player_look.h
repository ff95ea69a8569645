#pragma once
#include <allegro5/allegro.h>
#include <random>
#include <vector>

// How a player looks: a head set and a colour painted into its sprites.
struct PlayerLook {
    int head = 0;       // index into the head-set table
    int variant = 0;    // always 0; carried through replays as it is
    ALLEGRO_COLOR colour{0, 0, 0, 1};

    friend bool operator==(const PlayerLook& a, const PlayerLook& b)
    {
        return a.head == b.head && a.variant == b.variant && a.colour.r == b.colour.r &&
               a.colour.g == b.colour.g && a.colour.b == b.colour.b && a.colour.a == b.colour.a;
    }
};

// A random colour from the palette (the colour-change button).
void randomPlayerColour(PlayerLook& look);

// A look unlike those of the human players given: a head from the random-head
// pool and a colour from the first palette entries, each drawn up to 20 times
// until unused (computer snakes).
PlayerLook randomUnusedPlayerLook(const std::vector<PlayerLook>& humanLooks);
PlayerLook randomUnusedPlayerLook(const std::vector<PlayerLook>& humanLooks, std::mt19937& rng);

// The default look of player i: head and palette colour by index.
PlayerLook playerLookForIndex(int i);

// The next head set, wrapping round (the skin-change button).
void nextHeadIndex(int& head);
