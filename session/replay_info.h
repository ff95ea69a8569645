#pragma once
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// One entry of the replay list.
struct ReplayInfo {
    int number = 0;
    int version = -1;
    int mode = 0;
    int players = 2;
    std::string path;
    std::optional<std::filesystem::directory_entry> entry;
    // The file's last-write time, read while listing (the list's order).
    std::filesystem::file_time_type lastWriteTime{};
    std::uintmax_t totalSize = 0;
    std::vector<std::string> errors;
};

// The list label: "12 - 2021/12/9 13:05 - Battle Royale - 4 players - 1.1.2 - 37kB".
void formatReplayInfo(std::ostream& out, const ReplayInfo& info);
