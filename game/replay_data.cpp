#include "game/replay_data.h"

#include <istream>

#include "frame/assertion.h"

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

void failReplayCheck(const PackagedReplayData& replay, std::string_view expression, int line)
{
    if (replay.playing)
        failAssertionAt(expression, line, replayInputPosition(replay));
    failAssertion(expression, line);
}
