#pragma once
#include "session/game_session.h"

// Whether two recordings of one round agree byte for byte: the replay and
// each verify companion, present in both or in neither. A recording that was
// not saved, or is not on disk, is never the same as another; neither is one
// compared with itself (a recording that was removed leaves its name to the
// next one).
bool sameRecordings(const RoundOutcome& first, const RoundOutcome& second);
