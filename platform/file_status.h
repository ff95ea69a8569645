#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

namespace platform {

// What one look at a name found, a link followed: the file's type, size and
// last write, all from the same moment.
struct FileStatus {
    enum class State {
        Regular, // a regular file: `size` and `lastWrite` are its own
        Other,   // something else (a folder, a pipe, a device)
        Missing, // nothing, or a link to nothing
        Failed,  // the look failed (`reason`)
    };
    State state = State::Missing;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type lastWrite{};
    std::string reason;
};

// The size and last write of what stands under `path`, in one look; the same
// times as std::filesystem::last_write_time gives.
FileStatus fileStatus(const std::string& path);

}
