#include "session/replay_header.h"

#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "frame/assertion.h"
#include "frame/file_stream.h"
#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "frame/version.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "session/replay_error.h"
#include "session/replay_fields.h"
#include "session/replay_info.h"
#include "session/replay_setup_records.h"

namespace {

// The options part after the version, in file order. Every gate is the
// version that brought the field; older files take the value after it (or
// keep the GameOptions default).
template <typename Codec, typename Options, typename Arena>
void codeOptions(Codec& c, Options& o, Arena& arena)
{
    c.i32(o.updateRate, 0x61001);
    c.i8(o.numPlayers);
    c.i8(arena.x);
    c.i8(arena.y);
    c.flag(o.arenaShrinks);
    c.i8(o.initialPlayerSpeed);
    c.i8(o.snailSeconds);
    c.flag(o.releaseFireEndsRemote);
    c.flag(o.remoteControlDelay);
    c.flag(o.rocketDelay);
    c.flag(o.startAsSnake, 10);
    c.flag(o.startWithShield, 0x5f013);
    c.i8(o.maxPlayerSpeed, 0x5f018, 8);
    c.i8(o.resolvedShrinkSpeed);
    c.u8(o.resolvedShrinkStyle, 0x5f019, 1);
    // The oldest files keep the time before shrinking here; later ones in the round block.
    if (Codec::reading && !c.has(5))
        c.i32(o.resolvedTimeBeforeShrinking);
    c.i8(o.gameMode, 1, 0);
    c.flag(o.ctfCentreFlag, 7, true);
    c.flag(o.everythingModes.battleRoyale, 0x1000009, false);
    c.flag(o.everythingModes.ctf, 0x1000009, false);
    c.flag(o.everythingModes.respawning, 0x1000009, false);
    c.flag(o.everythingModes.kingOfTheHill, 0x1000009, false);
    c.flag(o.everythingModes.snakeHunter, 0x1000009, false);
    c.i8(o.killPoints, 0x1000009, 1);
    c.i8(o.aiSnakeHurtPoints, 0x1000009, 1);
    c.i8(o.aiSnakeKillPoints, 0x1000009, 1);
    c.i8(o.flagCapturePoints, 0x1000009, 1);
    c.i32(o.resolvedAISnakeCount, 0x5f00d);
    c.i32(o.resolvedMaxAISnakesAtOnce, 0x5f00d);
    c.i32(o.resolvedSnakePreparationTime, 0x5f00d);
    c.i32(o.resolvedSnakeSpawnInterval, 0x5f00d);
    c.flag(o.aiSnakesRespawnPlayers, 0x5f016, false);
    // Written as an unsigned byte and read back signed: the same byte for 0..10.
    c.i8(o.aiSnakeSpeed, 0x5f017, 3);
    c.flag(o.bombPickupEndsRemote, 0x60005, false);
    c.flag(o.resolvedRespawningWalls.enabled, 0x60007);
    c.i32(o.resolvedRespawningWalls.interval, 0x60007);
    c.i32(o.resolvedRespawningWalls.startLimit, 0x60007);
    c.i32(o.resolvedRespawningWalls.stopLimit, 0x60007);
    c.i32(o.resolvedRespawningWalls.minimumFreeCells, 0x60007);
    c.i8(o.respawnTime, 0x6000c);
    c.flag(o.aiSnakeStun, 0x61005, false);
    c.i8(o.aiSnakeStartLength, 0x61006, 4);
    c.i32(o.majorStunTime, 0x61008, 180);
    c.i32(o.minorStunTime, 0x61008, 180);
    c.i32(o.updateRateMultiplier, 0x6100c, 1);
    c.i32(o.resolvedAuctionInterval, 0x1000002, 0);
    c.marker("@@@", 0x5f00d);
}

// A count of frames, cells or points of speed: never negative, except the
// -999 that means "not set".
void requireCount(const char* field, int value, bool mayBeUnset = false)
{
    if (value < 0 && !(mayBeUnset && value == -999))
        invalidReplay(field, value);
}

// Every value of the options part that sizes, indexes or divides something
// later, or counts frames, is checked before the header is used.
void validateOptions(const ReplayHeaderOptions& header)
{
    const GameOptions& o = header.options;
    requireInRange("numPlayers", o.numPlayers, 1, 100);
    requireInRange("arena width", header.arenaSize.x, 5, 127);
    requireInRange("arena height", header.arenaSize.y, 5, 127);
    if (std::string bad = findInvalidGameOption(o); !bad.empty())
        throw ReplayError("Invalid replay: " + bad, bad);
    requireCount("initialPlayerSpeed", o.initialPlayerSpeed);
    requireCount("maxPlayerSpeed", o.maxPlayerSpeed);
    requireCount("snailSeconds", o.snailSeconds);
    requireCount("respawnTime", o.respawnTime);
    requireCount("aiSnakeStartLength", o.aiSnakeStartLength);
    requireCount("majorStunTime", o.majorStunTime);
    requireCount("minorStunTime", o.minorStunTime);
    requireCount("resolvedAISnakeCount", o.resolvedAISnakeCount, true);
    requireCount("resolvedMaxAISnakesAtOnce", o.resolvedMaxAISnakesAtOnce, true);
    requireCount("resolvedSnakePreparationTime", o.resolvedSnakePreparationTime, true);
    requireCount("resolvedSnakeSpawnInterval", o.resolvedSnakeSpawnInterval, true);
    const RespawningWallsSettings& walls = o.resolvedRespawningWalls;
    requireCount("respawningWalls interval", walls.interval);
    requireCount("respawningWalls startLimit", walls.startLimit);
    requireCount("respawningWalls stopLimit", walls.stopLimit);
    requireCount("respawningWalls minimumFreeCells", walls.minimumFreeCells);
}

bool readableVersion(int version)
{
    return version >= 1 && version < firstFutureReplayVersion;
}

// Checked before the header is written: the grid must have the size that the
// round's arena size names (an id without an entry names 0 x 0).
void checkArenaSize()
{
    Vector2 arenaSize{0, 0};
    auto size = ArenaSizeTable.find(gameOptions.resolvedArenaSize.value());
    if (size != ArenaSizeTable.end())
        arenaSize = size->second;
    if (arenaSize.x != grid_squares_x)
        failAssertion("arenaSize.x == grid_squares_x", 2789);
    if (arenaSize.y != grid_squares_y)
        failAssertion("arenaSize.y == grid_squares_y", 2790);
}

}

void serialiseSetup(std::ostream& out)
{
    checkArenaSize();
    ReplayFieldWriter writer(out);
    writer.i32(replayOutputVersion);
    const Vector2 arena{grid_squares_x, grid_squares_y};
    codeOptions(writer, gameOptions, arena);
    writeSetupRecords(writer);
}

std::optional<ReplayHeaderOptions> deserialiseOptions(std::istream& in, int& version)
{
    return readReplaySection(in, "options header", [&]() -> std::optional<ReplayHeaderOptions> {
        ReplayFieldReader versionReader(in, 0);
        version = versionReader.readI32();
        if (!readableVersion(version))
            return std::nullopt;
        ReplayFieldReader reader(in, version);
        ReplayHeaderOptions header;
        codeOptions(reader, header.options, header.arenaSize);
        validateOptions(header);
        return header;
    });
}

std::vector<PlayerSetupRecord> deserialiseSetup(std::istream& in, int& version)
{
    std::optional<ReplayHeaderOptions> header = deserialiseOptions(in, version);
    if (version >= firstFutureReplayVersion)
        throw ReplayError("Replay from future version of game: " + versionString(version));
    if (!header)
        readReplaySection(in, "version", [&] { invalidReplay("version", version); });

    gameOptions = header->options;
    grid_squares_x = header->arenaSize.x;
    grid_squares_y = header->arenaSize.y;
    ReplayInfo info;
    info.version = version;
    info.mode = gameOptions.gameMode;
    info.players = gameOptions.numPlayers;
    std::ostringstream label;
    formatReplayInfo(label, info);
    logStdString(label.str() + "\n");

    return readReplaySection(in, "teams and players", [&] {
        ReplayFieldReader reader(in, version);
        return readSetupRecords(reader);
    });
}
