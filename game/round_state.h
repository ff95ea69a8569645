#pragma once
#include <memory>
#include <vector>

#include "game/bomb.h"
#include "game/busy_cells.h"
#include "game/cell_layer.h"

class Game;
class Player;
struct Team;

// The state a round shares between its rules, its drawing and the session.
// Tests set these directly and call resetRoundState between cases.

// Cell kinds of `grid`.
namespace Square {
inline constexpr int Empty = 0;
inline constexpr int Wall = 1;
inline constexpr int OuterWall = 2;       // what the shrinking arena lays
inline constexpr int Block = 3;
inline constexpr int ToughBlock = 4;      // 4, 5, 6: a tough block wearing down
inline constexpr int ToughBlockLast = 6;
inline constexpr int Crumbling = 10;      // 10 .. 29 a block falling apart
inline constexpr int CrumblingEnd = 30;
inline constexpr int ToughCrumbling = 40; // 40 .. 59 a tough block falling apart
inline constexpr int ToughCrumblingEnd = 60;
}

// The arena: cell kinds, powerups, bombs and how many snake segments stand on
// each cell, all `grid_squares_x` by `grid_squares_y`. A rule that lays a bomb
// or starts a block crumbling marks its cell in `busyCells` as well.
extern CellLayer<int> grid;
extern CellLayer<int> powerupGrid;
extern CellLayer<Bomb> bombGrid;
extern CellLayer<int> snakeOccupancy;
extern int grid_squares_x;
extern int grid_squares_y;

// Every player of the current game, kept from round to round, in update order.
extern std::vector<std::shared_ptr<Player>> player;
extern std::vector<Team> teams;

// The pixel distance of the flag pick-up test (13 in a new game, from the
// replay when one plays), and the held-player rescue: distance and frames.
extern int proximityRadius;
extern double rescueDistance;
extern int rescueCount;

// Sizes the four arena layers to w x h (all empty) and sets the grid size.
void resizeArena(int w, int h);
// Empties players, teams and the arena and puts the round's globals back to
// their starting values (particles included).
void resetRoundState();
