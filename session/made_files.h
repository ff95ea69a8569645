#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_identity.h"
#include "platform/new_file_stream.h"

// The files a recording made, each known as the file it made under its name.
// Only those are its to remove: a file renamed over one of them, or anything
// put under a name it never took, is left where it stands, and the log says
// so.
class MadeFiles {
public:
    // Makes a new file under `path` for `stream` (never through anything that
    // already stands there) and notes it as made here. False when it could
    // not be made; the stream tells why.
    bool create(platform::NewFileStream& stream, const std::string& path);
    // Removes what stands under `path` when it is a file made here, with a
    // removal that fails logged (`removeFileLogged`), as is a look at the name
    // that fails; anything else standing there is left, and logged with why.
    void remove(const std::string& path) const;

private:
    // Each file's identity; nothing when it could not be taken as it was made.
    std::vector<std::pair<std::string, std::optional<platform::FileIdentity>>> files_;
};
