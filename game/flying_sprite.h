#pragma once
#include <memory>
#include <vector>

#include "game/sprite_state.h"

// A player's picture that swells, spins and shrinks away: a death, or snake
// segments cut off. It keeps the sprite's state, not a bitmap; the drawing
// looks the picture up when it is drawn.
struct FlyingSprite {
    FlyingSprite(const SpriteState& sprite, int x, int y, int x2, int y2, float scaleSpeed,
                 float spin, int delay);

    // One update at `updateRate` updates per second.
    void update(int updateRate);
    // Drawn onto the screen bitmap (drawing library).
    void draw() const;

    SpriteState sprite;
    int x = 0;              // the player's top-left pixel when made
    int y = 0;
    int x2 = 0;             // kept with the sprite; nothing reads it
    int y2 = 0;
    float scale = 1.0f;
    float angle = 0.0f;     // 256 units make a full turn
    float scaleSpeed = 0.0f;
    float spin = 0.0f;
    int delay = 0;
};

std::unique_ptr<FlyingSprite> makeFlyingSprite(const SpriteState& sprite, int x, int y,
                                               float scaleSpeed, float spin, int delay);
// A spin of rand() % 91 - 45 and no delay.
std::unique_ptr<FlyingSprite> makeFlyingSpriteRandom(const SpriteState& sprite, int x, int y,
                                                     float scaleSpeed);

// One update of a player's flying sprites; those that have shrunk below 0.01
// are gone afterwards, the rest keep their order.
void updateFlyingSprites(std::vector<std::unique_ptr<FlyingSprite>>& sprites, int updateRate);
