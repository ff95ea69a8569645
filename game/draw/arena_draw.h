#pragma once
#include <allegro5/allegro.h>
#include <map>
#include <utility>

#include "game/draw/arena_cells_layer_draw.h"
#include "game/bomb.h"
#include "game/game.h"
#include "media/bitmap_wrapper.h"

// What the arena drawing keeps for one round.
struct ArenaDrawCache {
    // (sprite id, run length) -> that many copies of the sprite side by side,
    // so a row of equal squares costs one draw.
    std::map<std::pair<int, int>, BitmapPtr> strips;
    // The background and the squares, drawn again only where they change.
    ArenaCellsLayer cells;
    // Off: every frame clears the canvas and places each square (tests
    // compare the two ways).
    bool cellsLayerUsed = true;
    // The frame whose hill tiles were last dealt anew.
    int hillTilesDealtAt = -1;
    // A powerup with no sprite is reported once a round.
    bool unknownPowerupLogged = false;
};

// The game's drawing cache, made on first use.
ArenaDrawCache& arenaDrawCache(Game& game);

// The sprite of a square kind, or -1 for a kind that shows nothing.
int squareSprite(int kind);

// The sprite of a live bomb: a moving bomb points its way; any other shows
// how much of its fuse (90 x multiplier frames) has burnt.
int bombSprite(const Bomb& bomb, int multiplier);

// One frame of a shrink crawler's growing wall, by the round's crawler look
// (0..4), the step timer t and the shrink speed S (frames per step).
struct CrawlerFrame {
    float scale = 1.0f;
    float angle = 0.0f;     // 255 units a turn
    int alpha = 255;
    bool turns = false;     // turns about the cell centre
};
CrawlerFrame crawlerFrame(int look, int stepTimer, int shrinkSpeed);

// The King of the Hill tiles: two per cell each way over the hill rectangle,
// corners inclusive, stored row by row.
int hillTileColumns(const Game::HillArea& hill);
int hillTileRows(const Game::HillArea& hill);
// The index in Game::hillTiles of tile (column, row) 0..1 of cell (x, y), or
// -1 when the cell lies outside the hill.
int hillTileIndex(const Game::HillArea& hill, int x, int y, int column, int row);
// Every tile takes a new random tile bitmap.
void dealHillTiles(Game& game);

// The layers of Game::draw, in the order it draws them.
// The background and the squares at once, from the game's cells layer; false
// when the frame must clear the canvas and draw the squares itself.
bool drawArenaFloor(Game& game, ALLEGRO_BITMAP* canvas, ALLEGRO_COLOR background);
// With `floorBackground` the squares are on the canvas already (drawn by
// drawArenaFloor over that colour): a cell whose square lets something under
// it show through is laid again from the background up.
void drawHillTilesAndPowerups(Game& game, ALLEGRO_BITMAP* canvas,
                              const ALLEGRO_COLOR* floorBackground = nullptr);
// Every square, a run of equal squares at a time.
void drawSquares(Game& game, ALLEGRO_BITMAP* canvas);
void drawShrinkCrawlers(const Game& game, ALLEGRO_BITMAP* canvas);
void drawBombs(ALLEGRO_BITMAP* canvas);
void drawHomeRings(ALLEGRO_BITMAP* canvas);
void drawFlames(const Game& game, ALLEGRO_BITMAP* canvas);
void drawReappearingWalls(const Game& game, ALLEGRO_BITMAP* canvas);
