#pragma once

// Logs each key as it goes down ("Key down: A") and when it comes up again
// ("Key pressed: A"), by the names the players see. The menus' screens call it
// once an update, so the log tells which keys a screen saw; whole-program
// tests wait on these lines before letting a key go.
void logKeyChanges();
