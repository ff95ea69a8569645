#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Which file a name stands for: two names, or one name at two times, with the
// same identity are the same file, whatever was renamed around it.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of what stands under `path` itself (a link is not followed);
// nothing when nothing stands there or it cannot be looked at.
std::optional<FileIdentity> fileIdentity(const std::string& path);

}
