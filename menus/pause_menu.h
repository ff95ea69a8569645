#pragma once
#include <memory>

class Music;

// Escape held, or a menu controller's pause button.
bool pauseRequested();
// True at the first player whose controls hold fire.
bool anyPlayerHoldsFire();
// The pause screen; true when the player quits to the main menu.
bool pauseMenu(std::shared_ptr<Music> music, bool darken);
