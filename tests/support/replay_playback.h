#pragma once
#include <istream>
#include <memory>
#include <ostream>
#include <vector>

#include "game/replay_data.h"
#include "session/replay_header.h"

class Game;

// What the session does around a replayed or recorded round, for tests and
// the replay fuzzer (no test framework needed).

// Fixes the round's automatic options so a header can be written for an arena
// of size id `arenaSizeId` (the grid must have that size).
void resolveReplayRoundOptions(int arenaSizeId);

// Recording: a context writing to `replay` (and the verify text to `verify`,
// when given), the set-up header with the round block, and the end byte.
PackagedReplayData recordingContext(std::ostream& replay, std::ostream* verify);
void writeReplayStart(const PackagedReplayData& recording, const Game& game);
void writeReplayEnd(const PackagedReplayData& recording);

// Playing: reads the header from `replay` (whose stream exceptions should be
// set), builds the players without controls and sizes the arena; returns the
// context to build the Game with. Then `readRoundBlock` once the Game exists.
PackagedReplayData loadReplayHeader(std::istream& replay, std::shared_ptr<std::istream> verify);
void readRoundBlock(PackagedReplayData& replay, Game& game);

// The reset every player gets before a round starts, recorded or played.
void resetPlayersForRound();
