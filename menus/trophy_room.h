#pragma once
#include <string>
#include <vector>

#include "game/round_results.h"

// The round's results; the champions after the last round.
void trophyRoom(const std::vector<ScoringEntity>& entries, bool noWinner, const std::string& message);
