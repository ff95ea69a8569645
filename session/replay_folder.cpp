#include "session/replay_folder.h"

#include <algorithm>
#include <fmt/format.h>
#include <fstream>

#include "frame/log.h"
#include "frame/user_data_folder.h"
#include "frame/version.h"
#include "game/replay_data.h"
#include "platform/file_identity.h"
#include "platform/file_status.h"
#include "session/replay_header.h"

namespace fs = std::filesystem;

namespace {

const char* const companionExtensions[] = {".verify", ".verifyZ"};
// Versions from this one on come from a later build than this one.
constexpr int futureVersion = replayOutputVersion + 1;

// The replay number of a file name "N.<version>.replay", or nothing for a file
// that is not a replay or whose number is not a plain decimal number. The name
// ends in ".replay" exactly when its last "."-separated part is "replay", and
// the number is its first part.
std::optional<int> replayNumberOf(const fs::path& path)
{
    const std::string name = path.filename().string();
    if (!name.ends_with(".replay"))
        return std::nullopt;
    const std::string first = name.substr(0, name.find('.'));
    const bool decimal = !first.empty() && first.size() <= 9 &&
                         std::all_of(first.begin(), first.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!decimal) {
        logStdString(fmt::format("Skipping replay file with no number: {}\n", path.string()));
        return std::nullopt;
    }
    return std::stoi(first);
}

// Walks the replays folder and its subfolders, handing `visit` each regular
// file named as a replay, with its number, until `visit` returns false. Only
// the type that the folder listing itself gives is looked at (a link is
// followed). Returns why the walk ended early, or nothing.
template <typename Visit>
std::string walkReplayFiles(Visit&& visit)
{
    const std::string folder = getReplaysFolder();
    std::error_code error;
    fs::recursive_directory_iterator it(folder, error);
    // A failure while walking ends the walk; what was found is still listed.
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const fs::directory_entry& entry = *it;
        std::error_code entryError;
        if (!entry.is_regular_file(entryError)) {
            if (!entry.is_directory(entryError))
                logStdString(fmt::format("Skipping {}: not a regular file\n", entry.path().string()));
            continue;
        }
        const std::optional<int> number = replayNumberOf(entry.path());
        if (number && !visit(entry, *number))
            return {};
    }
    if (!error)
        return {};
    logStdString(fmt::format("Error listing replays: {}\n", error.message()));
    return fmt::format("the folder {} could not be read: {}", folder, error.message());
}

void readHeader(ReplayInfo& info)
{
    try {
        std::ifstream in(info.path, std::ios::binary);
        in.exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
        int version = -1;
        std::optional<ReplayHeaderOptions> header = deserialiseOptions(in, version);
        info.version = version;
        // Versions start at 1: a file claiming 0 or less is no replay of any build.
        if (version < 1) {
            info.errors.push_back("Invalid replay version: " + versionString(version));
        } else if (version < futureVersion) {
            if (header) {
                info.mode = header->options.gameMode;
                info.players = header->options.numPlayers;
            }
        } else {
            info.errors.push_back("Replay from future version of game: " + versionString(version));
        }
    } catch (const std::exception& e) {
        info.errors.push_back(e.what());
        info.errors.push_back("One possible cause is a crash while starting a game");
        info.errors.push_back("You can safely delete this file");
    }
}

// The highest number of the replays in the folder, from their names alone.
int highestReplayNumber()
{
    int highest = -1;
    walkReplayFiles([&](const fs::directory_entry&, int number) {
        highest = std::max(highest, number);
        return true;
    });
    return highest;
}

std::string replayFilename(int number)
{
    return getReplaysFolder() + "/" + std::to_string(number) + "." + versionString(replayOutputVersion) +
           ".replay";
}

// True when something is seen under the name, even a link to nowhere. A look
// that fails takes no name: creating the file tells why it cannot be made.
bool held(const std::string& path)
{
    return platform::fileIdentity(path).state == platform::IdentityLook::State::Found;
}

bool nameTaken(const std::string& path)
{
    if (held(path))
        return true;
    for (const char* extension : companionExtensions) {
        if (held(path + extension))
            return true;
    }
    return false;
}

}

std::string getReplaysFolder()
{
    const std::string folder = getUserDataFolder() + "/replays";
    if (!fs::is_directory(folder))
        fs::create_directory(folder);
    return folder;
}

int getNextReplayNumber()
{
    int number = highestReplayNumber() + 1;
    while (nameTaken(replayFilename(number)))
        ++number;
    return number;
}

std::string getNewReplayFilename()
{
    return replayFilename(getNextReplayNumber());
}

ReplayListing listReplays()
{
    ReplayListing listing;
    std::string entryProblem;
    const std::string walkProblem = walkReplayFiles([&](const fs::directory_entry& entry, int number) {
        ReplayInfo info;
        info.number = number;
        info.path = entry.path().string();
        info.entry = entry;
        const platform::FileStatus status = platform::fileStatus(info.path);
        if (status.state != platform::FileStatus::State::Regular) {
            const std::string reason = status.state == platform::FileStatus::State::Failed
                                           ? status.reason
                                           : "it is no longer a regular file";
            logStdString(fmt::format("Error reading {}: {}\n", info.path, reason));
            entryProblem = fmt::format("the file {} could not be read: {}", info.path, reason);
            return false;
        }
        info.totalSize = status.size;
        info.lastWriteTime = status.lastWrite;
        listing.replays.push_back(std::move(info));
        return true;
    });
    listing.problem = entryProblem.empty() ? walkProblem : entryProblem;
    std::stable_sort(listing.replays.begin(), listing.replays.end(), [](const ReplayInfo& a, const ReplayInfo& b) {
        if (a.lastWriteTime != b.lastWriteTime)
            return a.lastWriteTime > b.lastWriteTime;
        return a.number > b.number;
    });
    return listing;
}

void completeReplayInfo(ReplayInfo& info, bool withHeader)
{
    for (const char* extension : companionExtensions) {
        const platform::FileStatus companion = platform::fileStatus(info.path + extension);
        if (companion.state == platform::FileStatus::State::Regular)
            info.totalSize += companion.size;
    }
    if (withHeader)
        readHeader(info);
}

std::vector<ReplayInfo> getAllReplays(bool readHeaders)
{
    std::vector<ReplayInfo> replays = listReplays().replays;
    for (ReplayInfo& info : replays)
        completeReplayInfo(info, readHeaders);
    return replays;
}
