#include "game/arena.h"

#include <algorithm>
#include <limits>

#include "game/player.h"
#include "game/round_state.h"

Vector2 cellToPixel(Vector2 cell)
{
    return {cell.x * cellSize, cell.y * cellSize};
}

Vector2 cellToPixel(int x, int y)
{
    return cellToPixel(Vector2{x, y});
}

Vector2 cellFarCorner(Vector2 cell)
{
    return {cell.x * cellSize + cellSize - 1, cell.y * cellSize + cellSize - 1};
}

Vector2 pixelToCell(Vector2 p)
{
    return {p.x / cellSize, p.y / cellSize};
}

Vector2 pixelToCell(int x, int y)
{
    return pixelToCell(Vector2{x, y});
}

Vector2 cellEdgePoint(Vector2 topLeft, int facing)
{
    switch (facing) {
    case 0: return {topLeft.x + 31, topLeft.y + 16};
    case 1: return {topLeft.x + 16, topLeft.y};
    case 2: return {topLeft.x, topLeft.y + 16};
    case 3: return {topLeft.x + 16, topLeft.y + 31};
    default: return {topLeft.x + 16, topLeft.y};
    }
}

bool isSolidWall(int kind)
{
    return kind == Square::Wall || kind == Square::OuterWall;
}

bool isBlock(int kind)
{
    return kind >= Square::Block && kind <= Square::ToughBlockLast;
}

void clearCross(Vector2 centre, int r, bool force)
{
    if (r < 0)
        return;
    auto clearCell = [force](int x, int y) {
        if (!grid.contains(x, y))
            return;
        int& kind = grid.get(x, y);
        if (kind == Square::OuterWall || (kind == Square::Wall && !force))
            return;
        kind = Square::Empty;
        powerupGrid.at(x, y) = 0;
    };
    for (int d = -r; d <= r; ++d) {
        clearCell(centre.x + d, centre.y);
        if (d != 0)
            clearCell(centre.x, centre.y + d);
    }
}

namespace {

bool isLivingSnake(const Player& p)
{
    return p.snakeLength >= 1 && !p.dead;
}

}

bool squareMatchesMask(Vector2 cell, int mask, const std::shared_ptr<Player>& except,
                       std::shared_ptr<Player>* found)
{
    const int kind = grid.at(cell);
    if ((mask & CellMask::OuterWall) && kind == Square::OuterWall)
        return true;
    if ((mask & CellMask::Wall) && kind == Square::Wall)
        return true;
    if ((mask & CellMask::Block) && isBlock(kind))
        return true;
    if (mask & CellMask::SnakeHead) {
        for (const auto& p : player) {
            if (p && p != except && isLivingSnake(*p) && pixelCentreToCell(p->x, p->y) == cell) {
                if (found)
                    *found = p;
                return true;
            }
        }
    }
    if (mask & CellMask::SnakeBody) {
        for (const auto& p : player) {
            if (!p || !isLivingSnake(*p))
                continue;
            for (const auto& part : p->snakeBody) {
                if (pixelCentreToCell(std::get<0>(part), std::get<1>(part)) == cell)
                    return true;
            }
        }
    }
    return false;
}

Player* getPlayerOnCell(Vector2 cell, const Player* except)
{
    for (const auto& p : player) {
        if (p && !p->dead && !p->isAI && p.get() != except && pixelCentreToCell(p->x, p->y) == cell)
            return p.get();
    }
    return nullptr;
}

float squaredDistanceToNearestLivingPlayer(Vector2 cell)
{
    float nearest = std::numeric_limits<float>::max();
    for (const auto& p : player) {
        if (!p || p->dead)
            continue;
        const Vector2 d = p->centreCell() - cell;
        nearest = std::min(nearest, float(d.x * d.x + d.y * d.y));
    }
    return nearest;
}

int moveTowards(int value, int goal, int step)
{
    if (value >= goal)
        return value - step > goal ? value - step : goal;
    return value + step < goal ? value + step : goal;
}
