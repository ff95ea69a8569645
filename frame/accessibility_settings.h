#pragma once
#include "frame/rgb.h"

// Names of `bgcol`'s values, in order.
inline constexpr int backgroundColourCount = 5;

struct AccessibilitySettings {
    int bgcol = 1;          // background colour index (Black, Green, Red, Blue, Grey)
    int ghostOpacity = 64;  // 0 invisible .. 255
    bool outlineEnabled = false;
    bool recolourBombs = false;
    RGB outlineCol{0, 0, 0};
    RGB newBombCol{255, 255, 255};
    bool flashingEnabled = true;

    // Reads every key of section "accessibility"; a missing key keeps the
    // current value, and out-of-range numbers are brought back into range.
    static void load(AccessibilitySettings& settings);
    static void save(const AccessibilitySettings& settings);
};

extern AccessibilitySettings accessibilitySettings;
