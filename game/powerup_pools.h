#pragma once
#include <map>

// The weights by which random powerups are drawn: powerup id -> weight, in
// ascending id order (the draw walks them in that order).
// Blocks of the arena and blocks that reappear draw from the normal pool.
extern const std::map<int, int> normalPowerupPool;
// Auctions draw from their own pool.
extern const std::map<int, int> auctionPowerupPool;
// Game mode -> weights that replace (or add to) those of either pool.
extern const std::map<int, std::map<int, int>> modePowerupWeights;
