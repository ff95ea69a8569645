#pragma once
#include <random>
#include <string>

#include "game/game_options.h"

// Turns every option of the live gameOptions that is set to Auto into a
// concrete value for the next round, drawing from levelRng and rand(), and logs
// what it chose. Choices outside their lists are first put back to their
// defaults (and logged).
void chooseAutoGameOptions();

// The chooser's work on any options and engine: fills the resolved fields (and
// aiSearchDepth) and returns the description of the Auto values it resolved,
// joined with blanks. The options' choices must lie inside their lists.
std::string resolveAutoGameOptions(GameOptions& options, std::mt19937& rng);
