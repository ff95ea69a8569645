#include "frame/accessibility_settings.h"

#include <algorithm>

#include "frame/config.h"

AccessibilitySettings accessibilitySettings;

namespace {
const char* const section = "accessibility";
}

void AccessibilitySettings::load(AccessibilitySettings& s)
{
    int bgcol = getConfigInt(section, "bgcol", s.bgcol);
    // An index outside the colour list would read past the background table.
    s.bgcol = (bgcol >= 0 && bgcol < backgroundColourCount) ? bgcol : AccessibilitySettings{}.bgcol;
    s.ghostOpacity = std::clamp(getConfigInt(section, "ghostOpacity", s.ghostOpacity), 0, 255);
    s.recolourBombs = getConfigInt(section, "recolourBombs", s.recolourBombs) != 0;
    s.outlineEnabled = getConfigInt(section, "outlineEnabled", s.outlineEnabled) != 0;
    s.outlineCol = getConfigColour(section, "outlineCol", s.outlineCol);
    s.newBombCol = getConfigColour(section, "newBombCol", s.newBombCol);
    s.flashingEnabled = getConfigInt(section, "flashingEnabled", s.flashingEnabled) != 0;
}

void AccessibilitySettings::save(const AccessibilitySettings& s)
{
    setConfigInt(section, "bgcol", s.bgcol);
    setConfigInt(section, "ghostOpacity", s.ghostOpacity);
    setConfigInt(section, "recolourBombs", s.recolourBombs);
    setConfigInt(section, "outlineEnabled", s.outlineEnabled);
    setConfigColour(section, "outlineCol", s.outlineCol);
    setConfigColour(section, "newBombCol", s.newBombCol);
    setConfigInt(section, "flashingEnabled", s.flashingEnabled);
}
