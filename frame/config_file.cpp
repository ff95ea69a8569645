#include "frame/config_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "frame/config.h"
#include "frame/log.h"
#include "frame/settings.h"
#include "frame/utf8.h"

namespace {

ConfigFileRead unreadable(std::string reason)
{
    return {ConfigFileState::Unreadable, nullptr, std::move(reason)};
}

ConfigFileRead tooLarge()
{
    return unreadable("it is larger than " + std::to_string(maxConfigFileSize) + " bytes");
}

// Closes the descriptor unless it was handed on.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// The whole file, or false with errno set.
bool readAll(int fd, std::string& text)
{
    char buffer[16384];
    for (;;) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        text.append(buffer, std::size_t(got));
        if (text.size() > maxConfigFileSize) {
            errno = EFBIG;
            return false;
        }
    }
}

}

ConfigFileRead readConfigFile(const std::string& path)
{
    struct stat link;
    if (lstat(path.c_str(), &link) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {ConfigFileState::Missing, nullptr, {}};
        return unreadable(std::strerror(errno));
    }
    // Non-blocking, so that a pipe under the name cannot stall start-up.
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        if (errno == ENOENT && S_ISLNK(link.st_mode))
            return unreadable("it is a link to a file that does not exist");
        return unreadable(std::strerror(errno));
    }
    struct stat file;
    if (fstat(fd.get(), &file) != 0)
        return unreadable(std::strerror(errno));
    if (!S_ISREG(file.st_mode))
        return unreadable("it is not a regular file");
    if (std::size_t(file.st_size) > maxConfigFileSize)
        return tooLarge();

    std::string text;
    if (!readAll(fd.get(), text))
        return errno == EFBIG ? tooLarge() : unreadable(std::strerror(errno));
    if (!isValidUtf8(text))
        return unreadable("it is not valid UTF-8 text");
    // Allegro reads lines as C strings: a NUL byte cuts one apart and the
    // pieces can even come back out as invalid UTF-8.
    if (text.find('\0') != std::string::npos)
        return unreadable("it holds a NUL byte");

    // Allegro reads the same open file from its start, so it sees exactly the
    // bytes checked above even if the name is replaced meanwhile.
    if (lseek(fd.get(), 0, SEEK_SET) != 0)
        return unreadable(std::strerror(errno));
    ALLEGRO_FILE* stream = al_fopen_fd(fd.get(), "r");
    if (!stream)
        return unreadable("it could not be opened for reading");
    fd.release(); // closed with the stream
    ALLEGRO_CONFIG* loaded = al_load_config_file_f(stream);
    al_fclose(stream);
    if (!loaded)
        return unreadable("it could not be parsed");
    return {ConfigFileState::Loaded, loaded, {}};
}

void openConfigFile()
{
    if (config)
        al_destroy_config(config);
    config = nullptr;
    configUnreadable = false;

    ConfigFileRead file = readConfigFile(configPath);
    switch (file.state) {
    case ConfigFileState::Loaded:
        config = file.config;
        break;
    case ConfigFileState::Missing:
        config = al_create_config();
        createDefaultConfig();
        break;
    case ConfigFileState::Unreadable:
        log("Could not read configuration file %s: %s. Running on default settings; the file is "
            "left as it is and no setting will be saved\n",
            configPath.c_str(), file.reason.c_str());
        configUnreadable = true;
        config = al_create_config();
        break;
    }
}
