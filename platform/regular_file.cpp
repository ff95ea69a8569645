#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace platform {

namespace {

// How much more than its size is read of a file, to see whether it grows.
constexpr std::size_t growthStep = 65536;

RegularFileRead unreadable(std::string reason)
{
    return {FileReadState::Unreadable, {}, std::move(reason)};
}

RegularFileRead tooLarge(std::size_t maxBytes)
{
    return unreadable("it is larger than " + std::to_string(maxBytes) + " bytes");
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}

RegularFileRead readRegularFile(const std::string& path, std::size_t maxBytes)
{
    struct stat link;
    if (lstat(path.c_str(), &link) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return unreadable(std::strerror(errno));
    }
    // Non-blocking, so that a pipe under the name cannot stall the caller.
    Descriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
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
    if (file.st_size < 0 || std::size_t(file.st_size) > maxBytes)
        return tooLarge(maxBytes);

    RegularFileRead result{FileReadState::Read, {}, {}};
    // Room for the file and one growth step at once: growing the string past
    // its size would double what it holds.
    const std::size_t size = std::size_t(file.st_size);
    result.bytes.reserve(size + std::min<std::size_t>(maxBytes + 1 - size, growthStep));
    result.bytes.resize(size);
    std::size_t have = 0;
    for (;;) {
        // One byte more than allowed tells a file that has grown since.
        if (have == result.bytes.size()) {
            if (have > maxBytes)
                return tooLarge(maxBytes);
            result.bytes.resize(have + std::min<std::size_t>(maxBytes + 1 - have, growthStep));
        }
        const ssize_t got = read(fd.get(), result.bytes.data() + have, result.bytes.size() - have);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return unreadable(std::strerror(errno));
        }
        if (got == 0)
            break;
        have += std::size_t(got);
    }
    if (have > maxBytes)
        return tooLarge(maxBytes);
    result.bytes.resize(have);
    return result;
}

std::string notReadReason(const RegularFileRead& file)
{
    return file.state == FileReadState::Missing ? "it does not exist" : file.reason;
}

}
