#include "support/recording_comparison.h"

#include <filesystem>

#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

bool recorded(const RoundOutcome& round)
{
    std::error_code error;
    return round.replaySaved && !round.replayPath.empty() && fs::is_regular_file(round.replayPath, error);
}

}

bool sameRecordings(const RoundOutcome& first, const RoundOutcome& second)
{
    if (!recorded(first) || !recorded(second))
        return false;
    std::error_code error;
    if (fs::equivalent(first.replayPath, second.replayPath, error))
        return false;
    for (const char* suffix : {"", ".verify", ".verifyZ"}) {
        const std::string a = first.replayPath + suffix;
        const std::string b = second.replayPath + suffix;
        const bool hasA = fs::exists(a, error);
        if (hasA != fs::exists(b, error))
            return false;
        if (hasA && readFile(a) != readFile(b))
            return false;
    }
    return true;
}
