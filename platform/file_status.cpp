#include "platform/file_status.h"

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace platform {

FileStatus fileStatus(const std::string& path)
{
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return {FileStatus::State::Failed, 0, {}, std::strerror(errno)};
    }
    if (!S_ISREG(status.st_mode))
        return {FileStatus::State::Other, 0, {}, {}};
    using namespace std::chrono;
    const sys_time<nanoseconds> written{seconds(status.st_mtim.tv_sec) + nanoseconds(status.st_mtim.tv_nsec)};
    return {FileStatus::State::Regular, std::uintmax_t(status.st_size), file_clock::from_sys(written), {}};
}

}
