#include "platform/file_identity.h"

#include <sys/stat.h>

namespace platform {

std::optional<FileIdentity> fileIdentity(const std::string& path)
{
    struct stat status;
    if (lstat(path.c_str(), &status) != 0)
        return std::nullopt;
    return FileIdentity{std::uint64_t(status.st_dev), std::uint64_t(status.st_ino)};
}

}
