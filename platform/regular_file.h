#pragma once
#include <cstddef>
#include <string>

namespace platform {

// What reading a file found under its name.
enum class FileReadState {
    Read,       // a regular file, read whole
    Missing,    // nothing under the name
    Unreadable, // something else is there (a pipe, a device, a folder, a dangling
                // link), or it could not be read, or it is larger than allowed
};

struct RegularFileRead {
    FileReadState state = FileReadState::Missing;
    std::string bytes;  // the file's contents when Read
    std::string reason; // why, when Unreadable
};

// Reads the regular file at `path`, refusing anything larger than `maxBytes`.
// It never blocks on a pipe or a device: the name is opened without waiting,
// its type checked on the open file, and at most `maxBytes` + 1 bytes are read,
// so a file that grows while it is read is refused as well.
RegularFileRead readRegularFile(const std::string& path, std::size_t maxBytes);
// Why a read gave no bytes: "it does not exist", or the reason it was refused.
std::string notReadReason(const RegularFileRead& file);

}
