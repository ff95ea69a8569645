#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "session/game_session.h"

class Music;

// The screens that menu entries open and wait on: the message screen and a
// game played from a menu. The menus call them through this table so a test
// program can watch or answer them; the program uses the real ones.
struct MenuDialogs {
    // Shows the lines until `key` (true) or, unless -1, `secondKey` (false).
    std::function<bool(std::vector<std::string> lines, int key, int secondKey)> message;
    // Plays a game or a replay and puts the title screen back; true when the
    // session was quit or could not start.
    std::function<bool(std::shared_ptr<Music>& menuMusic, std::string replayPath, ReplayTestOptions options)>
        playGame;
};

MenuDialogs defaultMenuDialogs();

extern MenuDialogs menuDialogs;
