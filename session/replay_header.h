#pragma once
#include <iosfwd>
#include <optional>
#include <vector>

#include "frame/vector2.h"
#include "game/game_options.h"
#include "media/player_look.h"

// The set-up header of a replay file: the options, the teams and the players.

// One player as the header gives it; the session builds the players from these.
struct PlayerSetupRecord {
    int number = 0;
    int team = -1;
    PlayerLook look;
    int coins = 0;
};

// The options part of a header, with the arena size it names.
struct ReplayHeaderOptions {
    GameOptions options;
    Vector2 arenaSize;
};

// The first version from a future build, which this build refuses.
inline constexpr int firstFutureReplayVersion = 0x1001003;

// Writes the whole header from the live options, grid size, teams and players.
// The round's automatic options must be resolved and the arena size set.
void serialiseSetup(std::ostream& out);
// Reads the version into `version` and the options part. Empty, with nothing
// more read, for a version this build does not read: one from a future build
// or one below 1. A value the game cannot use throws "Invalid replay: ...".
std::optional<ReplayHeaderOptions> deserialiseOptions(std::istream& in, int& version);
// Reads the whole header: the options go over the live ones, the arena size
// into the grid size, the teams into `teams`, the flag radius into
// `proximityRadius`; returns one record per player. A replay from a future
// build throws "Replay from future version of game: X.Y.Z", a version below 1
// "Invalid replay: version N", before anything is changed.
std::vector<PlayerSetupRecord> deserialiseSetup(std::istream& in, int& version);
