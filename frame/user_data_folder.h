#pragma once
#include <filesystem>
#include <string>

// The per-user folder holding the configuration, the log and the replays,
// created when missing. Throws std::filesystem::filesystem_error when it
// cannot be made (the error names the folder and the system's reason), or
// when no home folder can be found for it (the error names no folder).
std::string getUserDataFolder();

// Why a folder of the game's cannot be used, in words for the player:
// "the folder <folder> cannot be used: <reason>", or why there is no data
// folder at all.
std::string folderProblem(const std::filesystem::filesystem_error& error);

// Wide text to the narrow encoding used for paths (UTF-8 here).
std::string narrowString(const std::wstring& text);
