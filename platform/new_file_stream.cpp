#include "platform/new_file_stream.h"

#include <ext/stdio_filebuf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

namespace {

// Removes the empty file just made at `path` when no stream could be opened on
// it, but only while the name still stands for that file (known by `made`,
// its identity when it could be taken, or else by why not): whatever took its
// place meanwhile is left alone. Empty when it is gone, otherwise why it stays.
std::string removeUnopened(const std::string& path, const std::optional<FileIdentity>& made,
                           const std::string& whyUnknown)
{
    if (!made)
        return "; it is left, as " + whyUnknown;
    const IdentityLook standing = fileIdentity(path);
    if (standing.state == IdentityLook::State::Missing)
        return {};
    if (standing.state == IdentityLook::State::Failed)
        return "; it is left, as its name could not be looked at: " + standing.reason;
    if (standing.identity != *made)
        return "; something else now stands under its name, and is left";
    if (unlink(path.c_str()) != 0 && errno != ENOENT)
        return std::string("; it could not be removed: ") + std::strerror(errno);
    return {};
}

}

NewFileStream::NewFileStream() : std::ostream(nullptr)
{
    setstate(std::ios::badbit);
}

bool NewFileStream::create(const std::string& path)
{
    if (is_open())
        close();
    clear();
    identity_.reset();
    failure_.clear();
    nameTaken_ = false;
    // O_EXCL refuses any name already taken, a link included, without
    // following it.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        nameTaken_ = errno == EEXIST;
        failure_ = std::strerror(errno);
        setstate(std::ios::badbit);
        return false;
    }
    struct stat status;
    if (fstat(fd, &status) == 0)
        identity_ = FileIdentity{std::uint64_t(status.st_dev), std::uint64_t(status.st_ino)};
    else
        failure_ = std::string("its identity could not be taken: ") + std::strerror(errno);
    auto buffer = std::make_unique<__gnu_cxx::stdio_filebuf<char>>(fd, std::ios::out | std::ios::binary);
    if (!buffer->is_open()) {
        ::close(fd);
        failure_ = "no stream could be opened on it" + removeUnopened(path, identity_, failure_);
        setstate(std::ios::badbit);
        return false;
    }
    buffer_ = std::move(buffer);
    rdbuf(buffer_.get());
    return true;
}

bool NewFileStream::is_open() const
{
    return buffer_ && buffer_->is_open();
}

void NewFileStream::close()
{
    // The buffer stays (closed) with the stream, which keeps its state.
    if (!is_open() || !buffer_->close())
        setstate(std::ios::failbit);
}

}
