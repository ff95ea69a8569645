#pragma once
#include <vector>

#include "session/replay_header.h"

class ReplayFieldReader;
class ReplayFieldWriter;

// The end of a replay's set-up header: the flag radius, the teams (in the
// team modes), one record per player and the "***" marker.
void writeSetupRecords(ReplayFieldWriter& writer);
// Reads them back for the options already read into `gameOptions`: fills
// `teams` and `proximityRadius` and returns the players' records.
std::vector<PlayerSetupRecord> readSetupRecords(ReplayFieldReader& reader);
