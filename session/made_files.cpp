#include "session/made_files.h"

#include <algorithm>
#include <fmt/format.h>

#include "frame/log.h"
#include "session/file_removal.h"

bool MadeFiles::create(platform::NewFileStream& stream, const std::string& path)
{
    if (!stream.create(path))
        return false;
    files_.emplace_back(path, stream.identity());
    if (!stream.identity())
        logStdString(fmt::format("Error: {} cannot be told from a file put in its place: {}\n", path,
                                 stream.failure()));
    return true;
}

void MadeFiles::remove(const std::string& path) const
{
    using State = platform::IdentityLook::State;
    const platform::IdentityLook standing = platform::fileIdentity(path);
    const bool madeHere =
        std::any_of(files_.begin(), files_.end(), [&](const auto& file) { return file.first == path; });
    // Nothing there, or nothing of this recording's that a failed look may hide.
    if (standing.state == State::Missing || (standing.state == State::Failed && !madeHere))
        return;
    if (standing.state == State::Failed) {
        logStdString(fmt::format("Error: could not remove {}: {}\n", path, standing.reason));
        return;
    }
    for (const auto& [name, identity] : files_) {
        if (name != path)
            continue;
        if (!identity) {
            logStdString(fmt::format("Error: could not remove {}: it cannot be told from a file put in its place\n",
                                     path));
            return;
        }
        if (*identity == standing.identity) {
            removeFileLogged(path);
            return;
        }
    }
    logStdString(fmt::format("Leaving {}: it is not a file this recording made\n", path));
}
