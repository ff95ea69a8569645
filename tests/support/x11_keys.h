#pragma once
#include <string>

// Key presses for the real program's window under an X server (xdotool).

// Waits for a window with this title; false when none shows within the timeout.
bool waitForWindow(const std::string& title, int timeoutSeconds = 20);
// Focuses the window and holds the key long enough for a polling screen to see it.
void pressKey(const std::string& title, const std::string& key);
// Presses the key every half second until the process ends (or the timeout passes).
void pressKeyUntilExit(int pid, const std::string& title, const std::string& key,
                       int timeoutSeconds = 30);
// True when an X server is available to this test.
bool haveDisplay();
