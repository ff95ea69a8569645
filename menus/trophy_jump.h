#pragma once
#include <random>

// How a player in the trophy room leaps and tumbles. A record at (0, 0) is
// not placed yet: the drawing puts it where the player stands.
struct TrophyJump {
    float x = 0;
    float y = 0;
    float vx = 0;
    float vy = 0;
    float angle = 0;     // radians
    float spin = 0.1f;   // radians per update

    bool placed() const { return x != 0 || y != 0; }
};

// A champion's leap: back to be placed afresh, with an upward velocity drawn
// from `rng`, no turn and no spin.
TrophyJump championLeap(std::mt19937& rng);

// One update of a placed record on a screen `width` by `height`: gravity,
// a new spin at the top of each leap, a full turn at most per spin, bounces
// off the bottom (a weak bounce gets a fresh, stronger leap) and the sides.
void moveTrophyJump(TrophyJump& jump, int width, int height, std::mt19937& rng);
