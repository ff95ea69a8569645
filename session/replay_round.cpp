#include "session/replay_round.h"

#include "game/arena.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/replay_records.h"
#include "game/round_state.h"
#include "session/replay_error.h"
#include "session/replay_fields.h"
#include "session/replay_header.h"

namespace {

// Hill corners may lie a little outside a small arena; anything further is no
// hill of a real round.
constexpr int hillCornerLimit = 255;

template <typename Codec, typename RoundGame>
void codeRoundSettings(Codec& c, RoundGame& game)
{
    c.i32(gameOptions.resolvedTimeBeforeShrinking, 5);
    c.flag(game.shrinkAllowed, 0x5f008, true);
    c.i32(game.hillArea.x0, 0x5f008);
    c.i32(game.hillArea.y0, 0x5f008);
    c.i32(game.hillArea.x1, 0x5f008);
    c.i32(game.hillArea.y1, 0x5f008);
}

bool isCellKind(int kind)
{
    return (kind >= Square::Empty && kind <= Square::ToughBlockLast) ||
           (kind >= Square::Crumbling && kind < Square::CrumblingEnd) ||
           (kind >= Square::ToughCrumbling && kind < Square::ToughCrumblingEnd);
}

ReplayFieldReader replayReader(const PackagedReplayData& replay)
{
    return ReplayFieldReader(replayInputStream(replay), replay.replayInputVersion.value());
}

}

void serialiseRoundSettings(const PackagedReplayData& replay, const Game& game)
{
    ReplayFieldWriter writer(replayOutputStream(replay, "round settings"));
    codeRoundSettings(writer, game);
}

void deserialiseRoundSettings(PackagedReplayData& replay, Game& game)
{
    ReplayFieldReader reader = replayReader(replay);
    readReplaySection(reader.stream(), "round settings", [&] {
        codeRoundSettings(reader, game);
        if (gameOptions.resolvedTimeBeforeShrinking)
            requireInRange("resolvedTimeBeforeShrinking", *gameOptions.resolvedTimeBeforeShrinking, 0,
                           1 << 30);
        for (int corner : {game.hillArea.x0, game.hillArea.y0, game.hillArea.x1, game.hillArea.y1})
            requireInRange("hillArea", corner, -hillCornerLimit, hillCornerLimit);
    });
}

void serialiseGrid(const PackagedReplayData& replay)
{
    ReplayFieldWriter writer(replayOutputStream(replay, "grid"));
    for (int x = 0; x < grid_squares_x; ++x) {
        for (int y = 0; y < grid_squares_y; ++y) {
            writer.i8(grid.at(x, y));
            writer.i8(powerupGrid.at(x, y));
        }
    }
    writer.marker("ENDGRID");
    for (const auto& p : player) {
        writer.i32(p->x);
        writer.i32(p->y);
    }
    writer.marker("ENDPP");
}

void deserialiseGrid(PackagedReplayData& replay, const char* gridMarker, const char* positionsMarker)
{
    ReplayFieldReader reader = replayReader(replay);
    readReplaySection(reader.stream(), "grid", [&] {
        for (int x = 0; x < grid_squares_x; ++x) {
            for (int y = 0; y < grid_squares_y; ++y) {
                const int kind = reader.readI8();
                if (!isCellKind(kind))
                    invalidReplay("cell kind", kind);
                const int powerup = reader.readI8();
                requireInRange("powerup", powerup, 0, powerupTypeCount - 1);
                grid.at(x, y) = kind;
                powerupGrid.at(x, y) = powerup;
            }
        }
        reader.marker(gridMarker);
    });
    if (!reader.has(5))
        return;
    readReplaySection(reader.stream(), "start positions", [&] {
        for (const auto& p : player) {
            const int x = reader.readI32();
            const int y = reader.readI32();
            requireInRange("player x", x, 0, (grid_squares_x - 1) * cellSize);
            requireInRange("player y", y, 0, (grid_squares_y - 1) * cellSize);
            p->x = x;
            p->y = y;
            p->startCell = pixelToCell(x, y);
        }
        reader.marker(positionsMarker);
    });
}
