#pragma once
#include <array>
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "frame/facing.h"
#include "frame/vector2.h"

// Arena size id -> (width, height) in cells. Id 0 means automatic and has no entry.
extern const std::map<int, Vector2> ArenaSizeTable;
extern const std::map<int, int> autoShrinkSpeedByArenaSize;
extern const std::map<int, int> autoTimeBeforeShrinkingByArenaSize;
// Shrink speed value -> frames per shrink step.
extern const std::map<int, int> shrinkSpeedFrames;
// Time-before-shrinking value -> frames.
extern const std::map<int, int> timeBeforeShrinkingFrames;
// Arena size id -> (fewest, most) players, at low and at high randomness.
extern const std::map<int, std::pair<int, int>> arenaPlayerRangeLowRandomness;
extern const std::map<int, std::pair<int, int>> arenaPlayerRangeHighRandomness;
// Player-count bound -> arena size id; the first bound above the count wins.
extern const std::map<int, int> autoArenaSizeByPlayers;
extern const std::map<int, int> autoArenaSizeByPlayersTeams;
extern const std::map<int, int> snakePreparationFrames;
extern const std::map<int, int> snakeSpawnIntervalFrames;
// Powerup id -> sprite id.
extern const std::unordered_map<int, int> powerupSprites;
// Each facing with its unit step, in the order every rule walks them: down, up,
// left, right. The order is part of the replay format (spawn facing, the
// trapped test, the computer snakes' search).
struct FacingStep {
    Facing facing;
    Vector2 step;
};
extern const std::array<FacingStep, 4> directionTable;
// The unit step of a facing: right (1, 0), up (0, -1), left (-1, 0), down (0, 1).
Vector2 facingStep(Facing facing);
// The facing whose unit step is (dx, dy); right for anything else. Inline:
// the snakes' bodies ask it for every segment every frame.
inline Facing facingOfStep(int dx, int dy)
{
    if (dx == 0 && dy == -1)
        return Facing::Up;
    if (dx == -1 && dy == 0)
        return Facing::Left;
    if (dx == 0 && dy == 1)
        return Facing::Down;
    return Facing::Right;
}
// Head sets offered to computer players.
extern const std::vector<int> headPool;
// Sprites loaded on first use rather than at start-up (the loot-box photographs).
extern const std::unordered_set<int> lazySpriteIds;
