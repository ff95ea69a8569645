#include "session/replay_round.h"

#include "game/game.h"
#include "game/replay_data.h"

// The round block codec lands with the replay files.
void serialiseRoundSettings(const PackagedReplayData&, const Game&) {}
void deserialiseRoundSettings(PackagedReplayData&, Game&) {}
void serialiseGrid(const PackagedReplayData&) {}
void deserialiseGrid(PackagedReplayData&, const char*, const char*) {}
