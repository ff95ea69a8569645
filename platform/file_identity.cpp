#include "platform/file_identity.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace platform {

IdentityLook fileIdentity(const std::string& path)
{
    struct stat status;
    if (lstat(path.c_str(), &status) == 0)
        return {IdentityLook::State::Found, {std::uint64_t(status.st_dev), std::uint64_t(status.st_ino)}, {}};
    if (errno == ENOENT || errno == ENOTDIR)
        return {};
    return {IdentityLook::State::Failed, {}, std::strerror(errno)};
}

bool standsUnder(const std::string& path)
{
    return fileIdentity(path).state != IdentityLook::State::Missing;
}

}
