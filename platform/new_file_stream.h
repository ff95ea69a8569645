#pragma once
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "platform/file_identity.h"

namespace platform {

// An output stream onto a file it makes itself. The name must be free: what
// already stands under it (a file, a folder, a link, even one to nowhere) is
// never opened, truncated or written through, so two writers that chose the
// same name never share a file.
class NewFileStream : public std::ostream {
public:
    NewFileStream();
    ~NewFileStream() override = default;
    NewFileStream(const NewFileStream&) = delete;
    NewFileStream& operator=(const NewFileStream&) = delete;

    // Makes the file at `path` and opens it to write. False when it cannot be
    // made: `failure()` says why, and `nameTaken()` tells whether it was
    // because something already stood under the name.
    bool create(const std::string& path);
    bool is_open() const;
    // Writes out what is buffered and closes the file; failbit when either
    // fails, or when nothing was open.
    void close();

    // The file made, known by its identity, taken from the open file itself so
    // that no later change of names can hide it; nothing, with the reason in
    // `failure()`, in the unlikely case that the system could not tell it.
    const std::optional<FileIdentity>& identity() const { return identity_; }
    const std::string& failure() const { return failure_; }
    bool nameTaken() const { return nameTaken_; }

private:
    std::unique_ptr<std::filebuf> buffer_;
    std::optional<FileIdentity> identity_;
    std::string failure_;
    bool nameTaken_ = false;
};

}
