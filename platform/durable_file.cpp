#include "platform/durable_file.h"

#include <allegro5/allegro.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

// Counts the temporary files this process has named. Process ids are unique
// among running processes, so together with the id a count names a file no
// other running copy uses; a forked child counts on under its own id.
std::atomic<unsigned long> temporaryCount{0};

// Names passed over because something stands under them, before giving up:
// only a folder littered by many killed runs reaches it.
constexpr int maxTakenNames = 100;

// Opens a new file under a fresh temporary name beside `path`, setting `name`.
// The descriptor, or -1 with errno set.
int createTemporaryFile(const std::string& path, std::string& name)
{
    const std::string stem = path + "." + std::to_string(getpid()) + "-";
    for (int attempt = 0;; ++attempt) {
        name = stem + std::to_string(temporaryCount++) + ".tmp";
        // O_EXCL fails on anything under the name, a dangling link included.
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST || attempt + 1 == maxTakenNames)
            return fd;
    }
}

}

TemporaryFile writeTemporaryFileDurably(const std::string& path, const std::function<bool(ALLEGRO_FILE*)>& write)
{
    TemporaryFile made;
    const int fd = createTemporaryFile(path, made.name);
    if (fd < 0) {
        made.failure = std::strerror(errno);
        return made;
    }
    ALLEGRO_FILE* file = al_fopen_fd(fd, "w");
    if (!file) {
        close(fd);
        unlink(made.name.c_str());
        made.failure = "no stream could be opened on it";
        return made;
    }
    const bool written = write(file) && al_fflush(file);
    const int error = written && fsync(fd) != 0 ? errno : 0;
    const bool closed = al_fclose(file); // closes the descriptor too
    if (!written || error || !closed) {
        unlink(made.name.c_str());
        made.failure = error ? std::strerror(error) : "write failed";
    }
    return made;
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
