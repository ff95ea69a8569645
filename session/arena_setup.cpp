#include "session/arena_setup.h"

#include <allegro5/allegro.h>
#include <cstdlib>

#include "frame/display/display.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "game/arena.h"
#include "game/flag.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/bitmap_draw.h"
#include "session/replay_round.h"

std::array<TeamBase, 4> teamBasePositions(int w, int h)
{
    return {{{{1, h / 2}, {1, 0}}, {{w - 2, h / 2}, {-1, 0}}, {{w / 2, 1}, {0, 1}}, {{w / 2, h - 2}, {0, -1}}}};
}

namespace {

// The canvas takes the arena's size; without a display there is nothing to draw on.
void sizeCanvas(int w, int h)
{
    screenWidth = w * cellSize;
    screenHeight = h * cellSize;
    if (!display)
        return;
    screenBitmap = std::make_shared<BitmapWrapper>(screenWidth, screenHeight, false);
    if (backbufferBitmap)
        clearBitmap(*backbufferBitmap);
}

// Border walls, and inside either nothing or the level: solid blocks on the
// even grid, breakable walls at the wall density with their powerups. The
// rand() draws are part of how a recorded arena comes about: one cell at a
// time, x outer, in exactly this order.
void generateCells(Game& game, int w, int h, bool emptyInterior)
{
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            if (x == 0 || x == w - 1 || y == 0 || y == h - 1) {
                grid.get(x, y) = Square::OuterWall;
                continue;
            }
            if (emptyInterior)
                continue;
            if (gameOptions.resolvedGridBlocks.value() && x % 2 == 0 && y % 2 == 0) {
                grid.get(x, y) = Square::Wall;
                continue;
            }
            if (std::rand() % 100 < gameOptions.resolvedWallDensity.value()) {
                grid.get(x, y) = std::rand() % 12 == 0 ? Square::ToughBlock : Square::Block;
                if (std::rand() % 100 < gameOptions.resolvedPowerupDensity.value())
                    powerupGrid.get(x, y) = game.randomPowerupType(false);
            }
        }
    }
}

bool ctfActive()
{
    return isMode(GameMode::CaptureTheFlag);
}

bool hillActive()
{
    return isMode(GameMode::KingOfTheHill);
}

// Bases for the first four teams; further teams have none.
void setTeamBases(int w, int h)
{
    const auto bases = teamBasePositions(w, h);
    for (std::size_t i = 0; i < teams.size() && i < bases.size(); ++i) {
        teams[i].home = bases[i].cell;
        teams[i].inwardStep = bases[i].inward;
        teams[i].score = 0;
        teams[i].displayedScore = 0;
    }
}

void placeFlags(Game& game, int w, int h)
{
    game.flags.clear();
    if (gameOptions.ctfCentreFlag) {
        game.flags.emplace_back(w / 2 * cellSize, h / 2 * cellSize, -1, al_map_rgb(255, 255, 255));
    } else {
        const auto bases = teamBasePositions(w, h);
        for (std::size_t i = 0; i < teams.size() && i < bases.size(); ++i) {
            const Vector2 p = cellToPixel(bases[i].cell);
            game.flags.emplace_back(p.x, p.y, int(i), teams[i].colour);
        }
    }
    if (al_is_system_installed() && al_get_current_display()) {
        for (Flag& flag : game.flags)
            makeFlagFrames(flag);
    }
}

// Every player on its start cell, with room to move around it.
void placePlayers(Game& game)
{
    const std::vector<Vector2> starts = game.getInitialPlayerPositions();
    for (std::size_t i = 0; i < player.size(); ++i) {
        Player& p = *player[i];
        const Vector2 cell = starts.at(i);
        p.startCell = cell;
        const Vector2 pixel = cellToPixel(cell);
        p.x = pixel.x;
        p.y = pixel.y;
        clearCross(cell, 2, false);
    }
}

}

void setupArena(Vector2 size, PackagedReplayData& replay, Game& game, bool emptyInterior)
{
    const int w = size.x;
    const int h = size.y;
    resizeArena(w, h);
    sizeCanvas(w, h);
    log("%dx%d; %dx%d\n", w, h, w * cellSize, h * cellSize);

    if (!replay.playing)
        generateCells(game, w, h, emptyInterior);
    if (emptyInterior)
        return;

    // Kill points and the scores shown belong to one round, in every mode.
    for (Team& team : teams)
        team.resetRoundTally();
    if (ctfActive() || hillActive())
        setTeamBases(w, h);
    if (ctfActive())
        placeFlags(game, w, h);
    if (hillActive())
        game.hillArea = {w / 2 - 3, h / 2 - 2, w / 2 + 3, h / 2 + 2};
    if (!replay.playing)
        placePlayers(game);

    if (replay.playing)
        deserialiseRoundSettings(replay, game);
    else if (replay.recording)
        serialiseRoundSettings(replay, game);

    if (hillActive() && al_is_system_installed() && al_get_current_display())
        game.makeHillTileBitmaps();

    if (replay.playing)
        deserialiseGrid(replay, "ENDGRID", "ENDPP");
    else if (replay.recording)
        serialiseGrid(replay);
}
