#include <algorithm>
#include <array>
#include <cmath>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "frame/names.h"
#include "game/draw/arena_draw.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/round_state.h"
#include "game/draw/sprite_batch_draw.h"
#include "media/bitmap_draw.h"
#include "media/render_target.h"
#include "media/sprites.h"

namespace {

// Whether a sprite is opaque in every pixel of its cell, so that whatever lies
// under it need not be drawn. Read back once per sprite.
bool coversCell(int spriteId)
{
    static std::array<signed char, spriteCount> known{};   // 0 unknown, 1 covers, -1 not
    if (spriteId < 0 || spriteId >= spriteCount)
        return false;
    signed char& answer = known[std::size_t(spriteId)];
    if (answer == 0) {
        answer = -1;
        ALLEGRO_BITMAP* bitmap = getBitmap(spriteId);
        const int w = al_get_bitmap_width(bitmap), h = al_get_bitmap_height(bitmap);
        ALLEGRO_LOCKED_REGION* region = w >= 32 && h >= 32
            ? al_lock_bitmap_region(bitmap, 0, 0, 32, 32, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY)
            : nullptr;
        if (region) {
            bool opaque = true;
            for (int y = 0; y < 32 && opaque; ++y) {
                const auto* row = static_cast<const unsigned char*>(region->data) + std::ptrdiff_t(y) * region->pitch;
                for (int x = 0; x < 32 && opaque; ++x)
                    opaque = row[x * 4 + 3] == 255;
            }
            al_unlock_bitmap(bitmap);
            answer = opaque ? 1 : -1;
        }
    }
    return answer == 1;
}

void drawHillTiles(Game& game, SpriteBatch& batch, int x, int y, int wave)
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
            batch.add(game.hillTileBitmaps[std::size_t(tile)]->bitmap, x * 32 + column * 16,
                      y * 32 + row * 16, alpha);
        }
    }
}

// A powerup id with no sprite (a corrupt replay grid) leaves its cell empty.
void drawPowerup(Game& game, SpriteBatch& batch, int x, int y, int powerup)
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
    batch.add(getBitmap(it->second), x * 32, y * 32);
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

bool drawArenaFloor(Game& game, ALLEGRO_BITMAP* canvas, ALLEGRO_COLOR background)
{
    ArenaDrawCache& cache = arenaDrawCache(game);
    return cache.cellsLayerUsed && cache.cells.draw(canvas, background);
}

void drawHillTilesAndPowerups(Game& game, ALLEGRO_BITMAP* canvas, const ALLEGRO_COLOR* floorBackground)
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
    SpriteBatch batch;
    SpriteBatch squaresAgain;
    bool cleared = false;
    for (int y = 0; y < powerupGrid.height(); ++y) {
        for (int x = 0; x < powerupGrid.width(); ++x) {
            // A solid square hides what lies under it.
            const int square = grid.contains(x, y) ? squareSprite(grid.get(x, y)) : -1;
            if (coversCell(square))
                continue;
            const int powerup = powerupGrid.get(x, y);
            const bool under = powerup != PowerupType::None || (hill && game.hillArea.contains(x, y));
            if (!under)
                continue;
            if (floorBackground && square >= 0 && canvas) {
                // Back to the background, then what lies under, then the square.
                setTargetBitmap(canvas);
                al_set_clipping_rectangle(x * 32, y * 32, 32, 32);
                al_clear_to_color(*floorBackground);
                cleared = true;
                squaresAgain.add(getBitmap(square), x * 32, y * 32);
            }
            if (powerup != PowerupType::None)
                drawPowerup(game, batch, x, y, powerup);
            else
                drawHillTiles(game, batch, x, y, wave);
        }
    }
    if (cleared)
        al_reset_clipping_rectangle();
    batch.draw(canvas);
    squaresAgain.draw(canvas);
}

void drawSquares(Game& game, ALLEGRO_BITMAP* canvas)
{
    SpriteBatch batch;
    for (int y = 0; y < grid.height(); ++y) {
        int x = 0;
        while (x < grid.width()) {
            const int sprite = squareSprite(grid.get(x, y));
            int end = x + 1;
            while (end < grid.width() && squareSprite(grid.get(end, y)) == sprite)
                ++end;
            const int length = end - x;
            if (sprite >= 0)
                batch.add(length == 1 ? getBitmap(sprite) : stripOf(game, sprite, length).bitmap, x * 32, y * 32);
            x = end;
        }
    }
    batch.draw(canvas);
}
