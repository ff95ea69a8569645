#pragma once
#include <memory>
#include <string>

#include "session/game_session.h"

class Music;

// Runs one game session from a menu and puts the title screen back: the menu
// music restarts, the screen bitmap is made anew and the player sprites are
// recoloured afresh. Returns what the session returns; a replay that cannot be
// played throws ReplayError, after the title screen is back.
bool launchGameFromMenu(std::shared_ptr<Music>& menuMusic, std::string replayName,
                        ReplayTestOptions options);
