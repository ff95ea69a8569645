#include "frame/display.h"
#include "game/game.h"
#include "media/bitmap_draw.h"

struct ArenaDrawCache {};

// The arena, its objects and the players, drawn into the screen bitmap.
void Game::draw(bool)
{
    if (screenBitmap)
        clearBitmap(*screenBitmap);
}

void Game::drawToasts() {}
void Game::makeHillTileBitmaps() {}
