#pragma once
#include <memory>

#include "frame/vector2.h"

class Player;

// Cells are 32 x 32 pixels; division rounds toward zero.
inline constexpr int cellSize = 32;

Vector2 cellToPixel(Vector2 cell);
Vector2 cellToPixel(int x, int y);
Vector2 cellFarCorner(Vector2 cell);
Vector2 pixelToCell(Vector2 p);
Vector2 pixelToCell(int x, int y);
// The cell under the centre of the 32x32 box whose top-left pixel is (x, y).
// Inline: the snakes' bodies ask it for every segment every frame.
inline Vector2 pixelCentreToCell(int x, int y)
{
    return {(x + cellSize / 2) / cellSize, (y + cellSize / 2) / cellSize};
}
// The middle of the box's edge in a facing (0 right, 1 up, 2 left, 3 down).
Vector2 cellEdgePoint(Vector2 topLeft, int facing);

// Cell categories of squareMatchesMask.
namespace CellMask {
inline constexpr int OuterWall = 1;
inline constexpr int Wall = 2;
inline constexpr int Block = 4;
inline constexpr int SnakeHead = 8;
inline constexpr int SnakeBody = 16;
inline constexpr int Walls = OuterWall | Wall;                                  // 3
inline constexpr int SnakeAny = SnakeHead | SnakeBody;                          // 24
inline constexpr int WallsAndSnakes = Walls | SnakeAny;                         // 27
inline constexpr int Anything = Walls | Block | SnakeAny;                       // 31
}

// The square kinds a cell of the grid may hold: walls of both kinds are solid
// for every search, 3 to 6 are blocks.
bool isSolidWall(int kind);
bool isBlock(int kind);

// Clears a plus sign of arm length r around the centre: kind-2 walls stay,
// kind-1 walls stay unless `force`; everything else becomes empty floor.
void clearCross(Vector2 centre, int r, bool force);
// Tests the mask's categories in order (kind 2, kind 1, blocks, another living
// snake's head, any living snake's body); the first snake head found is
// stored in `found` when given.
bool squareMatchesMask(Vector2 cell, int mask, const std::shared_ptr<Player>& except,
                       std::shared_ptr<Player>* found = nullptr);
// The first living human other than `except` whose centre cell is `cell`.
Player* getPlayerOnCell(Vector2 cell, const Player* except);
// The smallest squared distance in cells from the cell to a living player's
// centre cell (computer snakes included); the greatest float when nobody lives.
float squaredDistanceToNearestLivingPlayer(Vector2 cell);
// Towards the goal by at most `step`, never past it.
int moveTowards(int value, int goal, int step);
