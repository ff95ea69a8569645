#include "frame/lookup_tables.h"

#include "frame/game_ids.h"
#include "frame/names.h"

const std::map<int, Vector2> ArenaSizeTable{
    {1, {19, 11}},  {2, {19, 15}}, {3, {27, 15}},  {4, {31, 19}},  {5, {39, 23}},
    {6, {59, 35}},  {7, {75, 43}}, {8, {119, 67}}, {9, {25, 11}},  {10, {35, 15}},
    {11, {39, 17}}, {12, {45, 19}}, {13, {67, 29}}};
const std::map<int, int> autoShrinkSpeedByArenaSize{{1, 0}, {2, 2},  {3, 2},  {4, 2},  {5, 3},
                                                    {6, 3}, {7, 3},  {8, 4},  {9, 1},  {10, 2},
                                                    {11, 2}, {12, 3}, {13, 3}};
const std::map<int, int> autoTimeBeforeShrinkingByArenaSize{
    {1, 1}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 1}, {7, 1},
    {8, 1}, {9, 1}, {10, 2}, {11, 2}, {12, 1}, {13, 1}};
const std::map<int, int> shrinkSpeedFrames{{0, 60}, {1, 32}, {2, 16}, {3, 8}, {4, 4}, {5, 2}};
const std::map<int, int> timeBeforeShrinkingFrames{{0, 1080}, {1, 2160}, {2, 5400}, {3, 7560}};
const std::map<int, std::pair<int, int>> arenaPlayerRangeLowRandomness{
    {1, {1, 2}},   {2, {2, 5}},    {3, {2, 16}},   {4, {6, 64}},
    {5, {12, 100}}, {6, {16, 100}}, {7, {48, 100}}, {8, {64, 100}}};
const std::map<int, std::pair<int, int>> arenaPlayerRangeHighRandomness{
    {1, {1, 6}},  {2, {2, 16}},  {3, {2, 32}},   {4, {2, 100}},
    {5, {2, 100}}, {6, {2, 100}}, {7, {64, 100}}, {8, {64, 100}}};
const std::map<int, int> autoArenaSizeByPlayers{{9, 3}, {24, 4}, {64, 5}, {100, 6}};
const std::map<int, int> autoArenaSizeByPlayersTeams{{6, 3}, {16, 4}, {40, 5}, {100, 6}};
const std::map<int, int> snakePreparationFrames{{1, 0}, {2, 200}, {3, 400}, {4, 600}, {5, 1000}};
const std::map<int, int> snakeSpawnIntervalFrames{{1, 0}, {2, 199}, {3, 301}, {4, 401}, {5, 501}};
const std::unordered_map<int, int> powerupSprites{
    {1, 38},  {2, 45},  {3, 49},  {4, 41},  {5, 51},  {6, 43},  {7, 47},
    {8, 40},  {10, 52}, {11, 50}, {12, 48}, {13, 53}, {14, 37}, {15, 42},
    {16, 46}, {17, 44}, {18, 44}, {19, 44}, {20, 44}, {21, 39}};
const std::array<FacingStep, 4> directionTable{{{Facing::Down, {0, 1}},
                                                {Facing::Up, {0, -1}},
                                                {Facing::Left, {-1, 0}},
                                                {Facing::Right, {1, 0}}}};

Vector2 facingStep(Facing facing)
{
    switch (facing) {
    case Facing::Right: return {1, 0};
    case Facing::Up: return {0, -1};
    case Facing::Left: return {-1, 0};
    case Facing::Down: return {0, 1};
    }
    return {1, 0};
}

const std::vector<int> headPool{0, 1, 2, 4, 5, 6, 7, 10};

namespace {
std::unordered_set<int> makeLazySpriteIds()
{
    std::unordered_set<int> ids;
    for (int id = SpriteId::FirstPhoto; id < spriteCount; ++id)
        ids.insert(id);
    return ids;
}
}

const std::unordered_set<int> lazySpriteIds = makeLazySpriteIds();
