#include "platform/durable_file.h"

#include <allegro5/allegro.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

std::string writeNewFileDurably(const std::string& path, const std::function<bool(ALLEGRO_FILE*)>& write)
{
    unlink(path.c_str());
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return std::strerror(errno);
    ALLEGRO_FILE* file = al_fopen_fd(fd, "w");
    if (!file) {
        close(fd);
        unlink(path.c_str());
        return "no stream could be opened on it";
    }
    const bool written = write(file) && al_fflush(file);
    const int error = written && fsync(fd) != 0 ? errno : 0;
    const bool closed = al_fclose(file); // closes the descriptor too
    if (!written || error || !closed) {
        unlink(path.c_str());
        return error ? std::strerror(error) : "write failed";
    }
    return {};
}

std::string syncFolder(const std::string& folder)
{
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::string reason;
    if (fd < 0 || fsync(fd) != 0)
        reason = std::strerror(errno);
    if (fd >= 0)
        close(fd);
    return reason;
}

}
