#pragma once
#include <string>

// Key presses for the real program's window, titled "Tamwick", under an X
// server (xdotool).

// True when an X server is available to this test.
bool haveDisplay();
// Waits for the window; false when none shows within the timeout.
bool waitForWindow(int timeoutSeconds = 20);
// Focuses the window and holds the key long enough for a polling screen to see it.
void holdKey(const std::string& key, double seconds = 0.1);
// Presses the key now and then until the process ends (or the timeout passes).
void pressKeyUntilExit(int pid, const std::string& key, int timeoutSeconds = 30);
