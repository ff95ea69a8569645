#include "game/snake_body.h"

#include <algorithm>
#include <cstdlib>

#include "frame/lookup_tables.h"

namespace {

constexpr int segmentSpacing = 16;

int sign(int v)
{
    return (v > 0) - (v < 0);
}

// The facing of travel from one trail entry to a newer one.
Facing travel(Vector2 from, Vector2 to)
{
    return facingOfStep(sign(to.x - from.x), sign(to.y - from.y));
}

// The segments from `first` on, for which the trail is too short.
void layRest(const std::deque<Vector2>& trail, int first, int length, Facing facing,
             std::deque<SnakePart>& body)
{
    const Vector2 oldest = trail.empty() ? Vector2{} : trail.front();
    for (int i = first; i < length; ++i)
        body.emplace_back(oldest.x, oldest.y, int(facing));
}

}

void layBodyAlongTrail(const std::deque<Vector2>& trail, int length, Facing headFacing,
                       std::deque<SnakePart>& body)
{
    // Every frame lays the body anew: the segments are written over in place
    // rather than emptied and added again.
    body.resize(std::size_t(std::max(length, 0)));
    Facing facing = headFacing;
    const int newest = int(trail.size()) - 1;
    const Vector2 oldest = trail.empty() ? Vector2{} : trail.front();
    auto out = body.begin();
    for (int i = 0; i < length; ++i, ++out) {
        const int k = newest - segmentSpacing * (i + 1);
        if (k < 0) {
            // The trail is too short for the rest.
            *out = SnakePart(oldest.x, oldest.y, int(facing));
            continue;
        }
        const Vector2 at = trail[std::size_t(k)];
        facing = travel(at, trail[std::size_t(k) + 1]);
        *out = SnakePart(at.x, at.y, int(facing));
    }
}

void layBodyByPathLength(const std::deque<Vector2>& trail, int length, Facing headFacing,
                         std::deque<SnakePart>& body)
{
    body.clear();
    Facing facing = headFacing;
    int i = 0;
    // Walk back stretch by stretch; `walked` is the path length up to the newer
    // end of the current stretch.
    int walked = 0;
    int k = int(trail.size()) - 1;
    while (i < length && k >= 1) {
        const Vector2 newer = trail[std::size_t(k)];
        const Vector2 older = trail[std::size_t(k) - 1];
        const int stretch = std::abs(newer.x - older.x) + std::abs(newer.y - older.y);
        const int wanted = segmentSpacing * (i + 1);
        if (stretch == 0 || walked + stretch < wanted) {
            walked += stretch;
            --k;
            continue;
        }
        const int into = wanted - walked;
        facing = travel(older, newer);
        body.emplace_back(newer.x + (older.x - newer.x) * into / stretch,
                          newer.y + (older.y - newer.y) * into / stretch, int(facing));
        ++i;
    }
    layRest(trail, i, length, facing, body);
}
