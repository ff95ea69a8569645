#include "session/replay_info.h"

#include <ostream>

// The full label lands with the replay list.
void formatReplayInfo(std::ostream& out, const ReplayInfo& info)
{
    out << info.number;
}
