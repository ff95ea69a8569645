#pragma once
#include <allegro5/allegro.h>
#include <memory>
#include <vector>

#include "frame/vector2.h"
#include "media/bitmap_wrapper.h"

class Game;
class Player;

// A capture-the-flag flag: one per team, or one neutral flag in the centre.
struct Flag {
    Flag(int x, int y, int team, ALLEGRO_COLOR colour);

    // The cell the flag belongs on: its team's home, or the arena centre.
    Vector2 homeSquare() const;
    // A dropped flag settles onto its cell, or drifts home from under a wall.
    void update(Game& game);
    // The flag's picture (drawing library).
    void draw(BitmapWrapper& target) const;

    int x = 0;                              // top-left pixel of its 32x32 box
    int y = 0;
    int team = -1;                          // -1 for the neutral flag
    std::weak_ptr<Player> carrier;
    bool inBase = true;
    ALLEGRO_COLOR colour{1, 1, 1, 1};
    std::vector<BitmapPtr> frames;          // six recoloured frames; made when a display exists
};

// Builds a flag's recoloured animation frames (drawing library; needs a display).
void makeFlagFrames(Flag& flag);
