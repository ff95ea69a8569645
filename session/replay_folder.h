#pragma once
#include <string>
#include <vector>

#include "session/replay_info.h"

// The replays folder in the user data folder, created when missing.
std::string getReplaysFolder();
// The path of the next recording: one past the highest replay number, never
// the name of a file that already lies there (replay or companion).
std::string getNewReplayFilename();
// The number that name carries.
int getNextReplayNumber();
// Every replay of the folder and its subfolders, newest first (the higher
// number first on equal times). With `readHeaders` each entry also carries
// its header's mode and player count, or the errors that reading it gave.
std::vector<ReplayInfo> getAllReplays(bool readHeaders);
