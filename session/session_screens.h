#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/round_results.h"

class Music;

// The screens a game session opens that live in the menus: the menus fill
// these in at start-up. Until then each does the least that keeps a game
// going: no join screen (nobody joins), no trophy or loot-box room, message
// screens only logged, and no pause.
struct SessionScreens {
    // Players join with their controls; true when they start the game.
    std::function<bool()> playerJoinScreen;
    // The round's result table; `noWinner` when nobody won; `message` a caption.
    std::function<void(const std::vector<ScoringEntity>& results, bool noWinner, const std::string& message)>
        trophyRoom;
    std::function<void()> lootboxRoom;
    // Shows the lines until `key` (true) or `secondKey` (false, when not -1) is pressed.
    std::function<bool(std::vector<std::string> lines, int key, int secondKey)> msgScreen;
    // Draws the lines onto the canvas once.
    std::function<void(std::vector<std::string> lines)> msgScreenDraw;
    // True while a player asks for the pause menu.
    std::function<bool()> pauseRequested;
    // The pause menu; true when the player quits the game.
    std::function<bool(std::shared_ptr<Music> music, bool darken)> pauseMenu;
};

SessionScreens defaultSessionScreens();

extern SessionScreens sessionScreens;
