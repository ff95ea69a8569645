#pragma once
#include <string>

// The per-user folder holding the configuration, the log and the replays,
// created when missing. A folder that cannot be made is reported in the log and
// its path still returned: whatever is then written there fails on its own terms.
std::string getUserDataFolder();

// Wide text to the narrow encoding used for paths (UTF-8 here).
std::string narrowString(const std::wstring& text);
