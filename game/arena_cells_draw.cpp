#include <algorithm>
#include <cmath>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "game/arena_draw.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/round_state.h"
#include "media/bitmap_draw.h"
#include "media/sprites.h"

namespace {

void drawHillTiles(Game& game, ALLEGRO_BITMAP* canvas, int x, int y, int wave)
{
    const int choices = int(game.hillTileBitmaps.size());
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            const int index = hillTileIndex(game.hillArea, x, y, column, row);
            if (index < 0 || index >= int(game.hillTiles.size()))
                continue;
            const int tile = game.hillTiles[std::size_t(index)];
            if (tile < 0 || tile >= choices)
                continue;
            // A checkerboard whose halves breathe in turn.
            const bool odd = (x + y + column + row) % 2 != 0;
            const int alpha = std::clamp(odd ? 128 - wave : 128 + wave, 0, 255);
            drawBitmap(canvas, game.hillTileBitmaps[std::size_t(tile)]->bitmap, x * 32 + column * 16,
                       y * 32 + row * 16, false, alpha);
        }
    }
}

// A powerup id with no sprite (a corrupt replay grid) leaves its cell empty.
void drawPowerup(Game& game, ALLEGRO_BITMAP* canvas, int x, int y, int powerup)
{
    auto it = powerupSprites.find(powerup);
    if (it == powerupSprites.end()) {
        ArenaDrawCache& cache = arenaDrawCache(game);
        if (!cache.unknownPowerupLogged) {
            log("No sprite for powerup %d at {%d,%d}; not drawn\n", powerup, x, y);
            cache.unknownPowerupLogged = true;
        }
        return;
    }
    drawSprite(canvas, it->second, x * 32, y * 32, false);
}

BitmapWrapper& stripOf(Game& game, int sprite, int length)
{
    BitmapPtr& strip = arenaDrawCache(game).strips[{sprite, length}];
    if (!strip) {
        strip = std::make_shared<BitmapWrapper>(length * 32, 32, true);
        setTargetAndClear(*strip, al_map_rgba(0, 0, 0, 0));
        for (int i = 0; i < length; ++i)
            drawSprite(strip->bitmap, sprite, i * 32, 0, false);
    }
    return *strip;
}

}

int squareSprite(int kind)
{
    if (kind == Square::Wall)
        return SpriteId::Block4;
    if (kind == Square::OuterWall)
        return SpriteId::Block3;
    if (kind == 3 || kind == 4)
        return SpriteId::Wall3;
    if (kind == 5)
        return SpriteId::Wall3CrumbleNew;
    if (kind == 6)
        return SpriteId::Wall3CrumbleNew2;
    if (kind >= 10 && kind <= 19)
        return SpriteId::W3NDth1;
    if (kind >= 20 && kind <= 29)
        return SpriteId::W3NDth2;
    if (kind >= 40 && kind <= 59)
        return SpriteId::Wall3CrumbleNewDeath + (kind - 40) / 5;
    return -1;
}

void drawHillTilesAndPowerups(Game& game, ALLEGRO_BITMAP* canvas)
{
    const bool hill = isMode(GameMode::KingOfTheHill);
    if (hill) {
        // New tiles twice a second, once however often the frame is drawn.
        const int interval = std::max(1, gameOptions.updateRate / 2);
        ArenaDrawCache& cache = arenaDrawCache(game);
        if (frameCounter % interval == 0 && cache.hillTilesDealtAt != frameCounter) {
            dealHillTiles(game);
            cache.hillTilesDealtAt = frameCounter;
        }
    }
    const int wave = int(std::sin(double(frameCounter) / 30.0) * 64.0);
    for (int y = 0; y < powerupGrid.height(); ++y) {
        for (int x = 0; x < powerupGrid.width(); ++x) {
            const int powerup = powerupGrid.get(x, y);
            if (powerup != PowerupType::None)
                drawPowerup(game, canvas, x, y, powerup);
            else if (hill && game.hillArea.contains(x, y))
                drawHillTiles(game, canvas, x, y, wave);
        }
    }
}

void drawSquares(Game& game, ALLEGRO_BITMAP* canvas)
{
    for (int y = 0; y < grid.height(); ++y) {
        int x = 0;
        while (x < grid.width()) {
            const int sprite = squareSprite(grid.get(x, y));
            int end = x + 1;
            while (end < grid.width() && squareSprite(grid.get(end, y)) == sprite)
                ++end;
            const int length = end - x;
            if (sprite >= 0) {
                if (length == 1)
                    drawSprite(canvas, sprite, x * 32, y * 32, false);
                else
                    drawBitmap(canvas, stripOf(game, sprite, length).bitmap, x * 32, y * 32, false, 255);
            }
            x = end;
        }
    }
}
