#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

// A screen mode: a window of a size, or a desktop-sized full-screen window on
// an adapter (-1 the default one).
struct ScreenMode {
    int width = 0;
    int height = 0;
    bool windowed = false;
    int display = -1;
};

// What the screen-mode screen reads from and does to the display; the program
// uses Allegro's, tests their own.
struct ScreenModeDisplay {
    // The backbuffer's size, whether new displays are windows, and the adapter of new displays.
    std::function<ScreenMode()> current;
    std::function<void(const ScreenMode&)> change;
    std::function<int()> adapterCount;
    // The size of every display mode of the adapter, in Allegro's order.
    std::function<std::vector<std::pair<int, int>>()> modeSizes;
};

ScreenModeDisplay allegroScreenModeDisplay();

// "Windowed, 1280x720", "Fullscreen window", or with several adapters
// "Fullscreen window (default display)" / "Fullscreen window (display 2)".
std::string describeScreenMode(int width, int height, bool windowed, int display, int adapterCount);

// Switches to `mode` and asks the player to keep it. A kept mode is saved
// and becomes the selection's; otherwise the display goes back to the mode
// it had, windowed or full-screen, and the selection follows it.
void applyScreenMode(ScreenMode& selection, const ScreenMode& mode, const ScreenModeDisplay& display);
