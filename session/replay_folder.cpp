#include "session/replay_folder.h"

#include <algorithm>
#include <boost/algorithm/string.hpp>
#include <fmt/format.h>
#include <fstream>

#include "frame/log.h"
#include "frame/user_data_folder.h"
#include "frame/version.h"
#include "game/replay_data.h"
#include "platform/file_identity.h"
#include "session/replay_header.h"

namespace fs = std::filesystem;

namespace {

const char* const companionExtensions[] = {".verify", ".verifyZ"};
// Versions from this one on come from a later build than this one.
constexpr int futureVersion = replayOutputVersion + 1;

// The replay number of a file name "N.<version>.replay", or nothing for a file
// that is not a replay or whose number is not a plain decimal number.
std::optional<int> replayNumberOf(const fs::path& path)
{
    std::vector<std::string> parts;
    boost::algorithm::split(parts, path.filename().string(), boost::algorithm::is_any_of("."));
    if (parts.size() < 2 || parts.back() != "replay")
        return std::nullopt;
    const std::string& first = parts.front();
    const bool decimal = !first.empty() && first.size() <= 9 &&
                         std::all_of(first.begin(), first.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!decimal) {
        logStdString(fmt::format("Skipping replay file with no number: {}\n", path.string()));
        return std::nullopt;
    }
    return std::stoi(first);
}

std::uintmax_t sizeWithCompanions(const fs::directory_entry& entry, std::error_code& error)
{
    std::uintmax_t size = entry.file_size(error);
    if (error)
        return 0;
    for (const char* extension : companionExtensions) {
        const fs::path companion = entry.path().string() + extension;
        std::error_code missing;
        if (fs::is_regular_file(companion, missing))
            size += fs::file_size(companion, missing);
    }
    return size;
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

// The numbers of the replays in the folder, without reading them.
int highestReplayNumber()
{
    int highest = -1;
    for (const ReplayInfo& info : getAllReplays(false))
        highest = std::max(highest, info.number);
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

std::vector<ReplayInfo> getAllReplays(bool readHeaders)
{
    std::vector<ReplayInfo> replays;
    std::error_code error;
    fs::recursive_directory_iterator it(getReplaysFolder(), error);
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
        if (!number)
            continue;
        ReplayInfo info;
        info.number = *number;
        info.path = entry.path().string();
        info.entry = entry;
        info.totalSize = sizeWithCompanions(entry, entryError);
        if (!entryError)
            info.lastWriteTime = entry.last_write_time(entryError);
        if (entryError) {
            logStdString(fmt::format("Error reading {}: {}\n", info.path, entryError.message()));
            break;
        }
        if (readHeaders)
            readHeader(info);
        replays.push_back(std::move(info));
    }
    if (error)
        logStdString(fmt::format("Error listing replays: {}\n", error.message()));
    std::stable_sort(replays.begin(), replays.end(), [](const ReplayInfo& a, const ReplayInfo& b) {
        if (a.lastWriteTime != b.lastWriteTime)
            return a.lastWriteTime > b.lastWriteTime;
        return a.number > b.number;
    });
    return replays;
}
