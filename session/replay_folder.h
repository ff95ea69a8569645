#pragma once
#include <string>
#include <vector>

#include "session/replay_info.h"

// The replays folder in the user data folder, created when missing. Throws
// std::filesystem::filesystem_error, naming the folder and the reason, when
// there is no data folder or the replays folder cannot be made.
std::string getReplaysFolder();
// The path of the next recording: one past the highest replay number, never
// the name of a file that already lies there (replay or companion).
std::string getNewReplayFilename();
// The number that name carries.
int getNextReplayNumber();

// The replays of the folder and its subfolders, newest first (the higher
// number first on equal times), each with its number, path, write time and
// its own size, found with one look each: the companions are not counted yet
// and no header is read. `problem` says why the folder, or the rest of it
// from some entry on, could not be read ("the folder <path> could not be read:
// <reason>", or "the file ...").
struct ReplayListing {
    std::vector<ReplayInfo> replays;
    std::string problem;
};
ReplayListing listReplays();
// What a listed entry still lacks for its label: the sizes of its verify
// companions and, with `withHeader`, its header's mode and player count, or
// the errors that reading it gave.
void completeReplayInfo(ReplayInfo& info, bool withHeader);
// Every replay of the folder, each entry completed.
std::vector<ReplayInfo> getAllReplays(bool readHeaders);
