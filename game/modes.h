#pragma once

// The mode test: true when the live game mode is `mode`; in the Everything
// mode, modes 1 to 4 answer its switches and 5 its respawning switch.
bool isMode(int mode);
// Capture the Flag, Battle Royale, King of the Hill and Everything.
bool isObjectiveMode(int mode);
// Dead players come back in this round's mode.
bool respawnModeActive();
