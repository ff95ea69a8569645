#include "game/replay_data.h"

#include <istream>
#include <stdexcept>
#include <string>

#include "frame/assertion.h"
#include "frame/log.h"

bool playingOlderThan(const PackagedReplayData& replay, int version)
{
    return replay.playing && replay.replayInputVersion.value() < version;
}

bool playingOlderThanOrUnversioned(const PackagedReplayData& replay, int version)
{
    return replay.playing && (!replay.replayInputVersion || *replay.replayInputVersion < version);
}

long long replayInputPosition(const PackagedReplayData& replay)
{
    // A stream that has failed has no position to tell.
    if (!replay.replayInput || !replay.replayInput->good())
        return -1;
    return static_cast<long long>(replay.replayInput->tellg());
}

namespace {

// A failed check's text, with the read position while a replay plays.
std::string checkText(const PackagedReplayData& replay, std::string_view expression, int line)
{
    if (replay.playing)
        return assertionTextAt(expression, line, replayInputPosition(replay));
    return assertionText(expression, line);
}

}

void failReplayCheck(const PackagedReplayData& replay, std::string_view expression, int line)
{
    const std::string text = checkText(replay, expression, line);
    logStdString(text);
    throw std::runtime_error(text);
}

void failRecordCheck(const PackagedReplayData& replay, std::string_view expression, int line)
{
    const std::string text = checkText(replay, expression, line);
    logStdString(text);
    throw FailedRecordCheck(text);
}
