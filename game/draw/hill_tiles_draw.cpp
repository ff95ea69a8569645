#include <cstdlib>

#include "frame/game_ids.h"
#include "game/draw/arena_draw.h"
#include "media/bitmap_draw.h"

int hillTileColumns(const Game::HillArea& hill)
{
    return hill.x1 >= hill.x0 ? 2 * (hill.x1 - hill.x0 + 1) : 0;
}

int hillTileRows(const Game::HillArea& hill)
{
    return hill.y1 >= hill.y0 ? 2 * (hill.y1 - hill.y0 + 1) : 0;
}

int hillTileIndex(const Game::HillArea& hill, int x, int y, int column, int row)
{
    if (!hill.contains(x, y) || column < 0 || column > 1 || row < 0 || row > 1)
        return -1;
    const int tileX = 2 * (x - hill.x0) + column;
    const int tileY = 2 * (y - hill.y0) + row;
    return tileY * hillTileColumns(hill) + tileX;
}

void dealHillTiles(Game& game)
{
    const int choices = int(game.hillTileBitmaps.size());
    for (int& tile : game.hillTiles)
        tile = choices > 0 ? std::rand() % choices : 0;
}

// Five coloured tiles, each with a small steel block showing through.
void Game::makeHillTileBitmaps()
{
    BitmapWrapper block(16, 16, true);
    setTargetAndClear(block, al_map_rgba(0, 0, 0, 0));
    drawSpriteScaled(block.bitmap, SpriteId::Block3, 0, 0, 32, 32, 0, 0, 16, 16);

    static const int colours[5][3] = {{255, 0, 0}, {0, 0, 255}, {0, 255, 0}, {255, 255, 0}, {0, 255, 255}};
    hillTileBitmaps.clear();
    for (const auto& c : colours) {
        auto tile = std::make_shared<BitmapWrapper>(16, 16, true);
        setTargetAndClear(*tile, al_map_rgb(c[0], c[1], c[2]));
        drawBitmapTinted(tile->bitmap, block.bitmap, 0, 0, c[0], c[1], c[2], 128);
        hillTileBitmaps.push_back(tile);
    }
    hillTiles.assign(std::size_t(hillTileColumns(hillArea) * hillTileRows(hillArea)), 0);
    dealHillTiles(*this);
}
