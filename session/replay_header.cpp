#include "session/replay_header.h"

#include <istream>
#include <ostream>
#include <stdexcept>

// The replay header codec lands with the replay files.
void serialiseSetup(std::ostream&) {}

std::optional<ReplayHeaderOptions> deserialiseOptions(std::istream&, int& version)
{
    version = -1;
    return std::nullopt;
}

std::vector<PlayerSetupRecord> deserialiseSetup(std::istream&, int& version)
{
    version = -1;
    throw std::runtime_error("replays cannot be read yet");
}

void checkMarker(std::istream&, const char*) {}
