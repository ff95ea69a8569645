#pragma once

// Players join with their controls and pick looks and teams; true when they
// start the game, false when they leave.
bool playerJoinScreen();
