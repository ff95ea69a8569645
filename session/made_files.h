#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/file_identity.h"

// The files a recording made (or opened to write), each known as the file
// that stood under its name then. Only those are its to remove: a file renamed
// over one of them, or something put under a name it never took, is left
// where it stands, and the log says so.
class MadeFiles {
public:
    // Notes the file just made under `path`.
    void add(const std::string& path);
    // Removes what stands under `path` when it is a file this made, with a
    // removal that fails logged (`removeFileLogged`); anything else standing
    // there is left, and logged with why.
    void remove(const std::string& path) const;

private:
    std::vector<std::pair<std::string, platform::FileIdentity>> files_;
};
