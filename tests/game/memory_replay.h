#pragma once
#include <sstream>
#include <string>

#include "game/replay_data.h"

// A replay held in memory, with the stream failures the rules expect from a
// file: record into it, or play it from given bytes.
struct MemoryReplay {
    std::stringstream bytes;

    explicit MemoryReplay(const std::string& content = {}) : bytes(content)
    {
        bytes.exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
    }

    PackagedReplayData recording()
    {
        PackagedReplayData replay;
        replay.replayOutput = &bytes;
        replay.recording = true;
        return replay;
    }

    PackagedReplayData playing(int version = replayOutputVersion)
    {
        PackagedReplayData replay;
        replay.replayInput = &bytes;
        replay.playing = true;
        replay.replayInputVersion = version;
        return replay;
    }

    // How far the rules have read.
    long long readPosition() { return static_cast<long long>(bytes.tellg()); }
};
