#pragma once
#include <deque>

#include "frame/facing.h"
#include "frame/vector2.h"
#include "game/snake_part.h"

// Where a snake's segments lie, from the trail its head has left (oldest
// entry first). Both rebuild `body` with `length` segments, head end first.

// One trail entry per pixel moved: segment i lies at the entry 16 (i + 1)
// places before the newest, facing the way the head went on from there.
// Segments the trail does not reach yet lie on its oldest entry, facing as
// the segment before them (the first one as the head).
void layBodyAlongTrail(const std::deque<Vector2>& trail, int length, Facing headFacing,
                       std::deque<SnakePart>& body);

// Old replays: one trail entry per update. Segment i lies 16 (i + 1) pixels of
// path back from the newest entry (the path between two entries being their x
// and y distances added), between the two entries that span that length,
// facing the way the head went there. Beyond the trail, as above.
void layBodyByPathLength(const std::deque<Vector2>& trail, int length, Facing headFacing,
                         std::deque<SnakePart>& body);
