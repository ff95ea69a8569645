#pragma once
#include <tuple>

// One segment of a snake's body: pixel x, pixel y, and the facing it is drawn with.
using SnakePart = std::tuple<int, int, int>;

// An earlier position of a player, drawn as its motion trail.
struct TrailPoint {
    int x = 0;
    int y = 0;
    int facing = 0;
};
