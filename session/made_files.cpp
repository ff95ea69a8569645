#include "session/made_files.h"

#include <algorithm>
#include <fmt/format.h>
#include <optional>

#include "frame/log.h"
#include "session/file_removal.h"

void MadeFiles::add(const std::string& path)
{
    if (const std::optional<platform::FileIdentity> identity = platform::fileIdentity(path))
        files_.emplace_back(path, *identity);
}

void MadeFiles::remove(const std::string& path) const
{
    const std::optional<platform::FileIdentity> standing = platform::fileIdentity(path);
    if (!standing)
        return;
    const bool made = std::any_of(files_.begin(), files_.end(),
                                  [&](const auto& file) { return file.first == path && file.second == *standing; });
    if (made)
        removeFileLogged(path);
    else
        logStdString(fmt::format("Leaving {}: it is not a file this recording made\n", path));
}
