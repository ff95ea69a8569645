#pragma once

class Game;
struct PackagedReplayData;

// The round block of a replay: the round settings, the arena and the start
// positions. Written while recording, read while a replay plays.
void serialiseRoundSettings(const PackagedReplayData& replay, const Game& game);
void deserialiseRoundSettings(PackagedReplayData& replay, Game& game);
void serialiseGrid(const PackagedReplayData& replay);
void deserialiseGrid(PackagedReplayData& replay, const char* gridMarker, const char* positionsMarker);
