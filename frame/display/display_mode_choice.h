#pragma once
#include <vector>

struct DisplayModeInfo {
    int width = 0;
    int height = 0;
    int format = 0;
    int refreshRate = 0;
};

struct DisplayModeChoice {
    int width = 0;
    int height = 0;
    bool windowed = false;
    friend bool operator==(const DisplayModeChoice&, const DisplayModeChoice&) = default;
};

// The configured size when a mode of exactly that size exists. Otherwise, when
// windowed, the first mode scanning down from the second-to-last that is
// smaller than the desktop both ways; failing that (or when fullscreen, or when
// the chosen size is empty) the desktop size as a fullscreen window.
DisplayModeChoice chooseDisplayMode(int width, int height, bool windowed, int desktopWidth,
                                    int desktopHeight, const std::vector<DisplayModeInfo>& modes);

// Queries the desktop and the display modes, logs them, and chooses.
DisplayModeChoice detectDisplayMode(int width, int height, bool windowed);
