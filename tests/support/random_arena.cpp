#include "support/random_arena.h"

#include "frame/uniform_int.h"
#include "game/game.h"
#include "game/player.h"
#include "game/round_state.h"

namespace {

int draw(std::mt19937& rng, int lo, int hi)
{
    return uniformIntInclusive(rng, lo, hi);
}

Vector2 randomCell(std::mt19937& rng)
{
    return {draw(rng, 0, grid_squares_x - 1), draw(rng, 0, grid_squares_y - 1)};
}

std::shared_ptr<Player> addSnake(std::mt19937& rng, int num, bool ai)
{
    auto p = std::make_shared<Player>(num, 0, -1, PlayerLook{}, nullptr);
    Vector2 cell = randomCell(rng);
    p->x = cell.x * 32;
    p->y = cell.y * 32;
    p->isAI = ai;
    p->facing = Facing(draw(rng, 0, 3));
    p->snakeLength = draw(rng, 1, 8);
    // The body wanders from the head, a cell at a time.
    for (int i = 0; i < p->snakeLength; ++i) {
        const int way = draw(rng, 0, 3);
        cell = cell + Vector2{way == 0 ? 1 : way == 1 ? -1 : 0, way == 2 ? 1 : way == 3 ? -1 : 0};
        if (!grid.contains(cell))
            cell = randomCell(rng);
        p->snakeBody.emplace_back(cell.x * 32 + draw(rng, -15, 15), cell.y * 32, way);
    }
    player.push_back(p);
    return p;
}

}

std::shared_ptr<Player> makeRandomSearchArena(std::mt19937& rng, const RandomArenaShape& shape,
                                              Game* game)
{
    player.clear();
    resizeArena(shape.width, shape.height);
    for (int x = 0; x < shape.width; ++x) {
        for (int y = 0; y < shape.height; ++y) {
            int& kind = grid.at(x, y);
            const bool edge = x == 0 || y == 0 || x == shape.width - 1 || y == shape.height - 1;
            if (shape.border && edge)
                kind = Square::OuterWall;
            else if (shape.gridBlocks && x % 2 == 0 && y % 2 == 0)
                kind = Square::Wall;
            else if (draw(rng, 0, 99) < shape.blockPercent)
                kind = draw(rng, Square::Block, Square::ToughBlockLast);
            else if (draw(rng, 0, 49) == 0)
                kind = draw(rng, Square::Crumbling, Square::ToughCrumblingEnd - 1);
        }
    }

    // The searching snake first: its own head and body stop its walks too.
    auto searcher = addSnake(rng, 200, true);
    for (int i = 0; i < shape.snakes; ++i) {
        auto other = addSnake(rng, 201 + i, draw(rng, 0, 1) == 0);
        other->dead = draw(rng, 0, 3) == 0;
    }
    for (int i = 0; i < shape.humans; ++i) {
        auto p = std::make_shared<Player>(i, 0, -1, PlayerLook{}, nullptr);
        // Often two humans share a cell, and a human may stand off its cell's centre.
        const Vector2 cell = i > 0 && draw(rng, 0, 2) == 0 ? player.back()->centreCell() : randomCell(rng);
        p->x = cell.x * 32 + draw(rng, -16, 15);
        p->y = cell.y * 32 + draw(rng, -16, 15);
        p->dead = draw(rng, 0, 5) == 0;
        p->ghost = draw(rng, 0, 4) == 0;
        p->isAI = draw(rng, 0, 9) == 0;
        p->speed = draw(rng, 1, 7);
        p->bombType = draw(rng, 0, 3) == 0 ? draw(rng, 1, 4) : 0;
        p->ultraBomb = draw(rng, 0, 5) == 0;
        player.push_back(p);
    }
    if (game) {
        game->shrinkCrawlers.clear();
        for (int i = 0; i < shape.crawlers; ++i) {
            const Vector2 cell = randomCell(rng);
            game->shrinkCrawlers.push_back({cell.x, cell.y, 1, 0});
        }
    }
    return searcher;
}
