#pragma once
#include <string>

// Key presses for the real program's window, titled "Tamwick", under an X
// server (xdotool). Key names are X keysym names ("a", "Up", "Escape").

// True when an X server is available to this test.
bool haveDisplay();
// Waits for the window; false when none shows within the timeout.
bool waitForWindow(int timeoutSeconds = 20);
// Focuses the window and presses the key down, or lets it go.
void keyDown(const std::string& key);
void keyUp(const std::string& key);
// The same, sent to the window itself rather than to the focus, which a
// display mode change can take away from it for a moment. A key pressed while
// the window had the focus is held by the X server's keyboard and repeats
// there until released at that level, so the key goes up both ways.
void windowKeyDown(const std::string& key);
void windowKeyUp(const std::string& key);
// Holds the key down until the process ends (or the timeout passes).
void holdKeyUntilExit(int pid, const std::string& key, int timeoutSeconds = 30);
