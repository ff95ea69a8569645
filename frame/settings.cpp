#include "frame/settings.h"

#include <algorithm>

#include "frame/config.h"

bool vsyncEnabled = false;
int menuControlMode = 2;
bool xinputDpadEnabled = true;
bool diagnosticMode = false;
bool autoRandomControls = false;
bool replayRecordingEnabled = true;
bool showReplayTestOptions = false;
bool alwaysShowFPS = false;
bool lootboxesEnabled = true;
int lootboxPoints = 0;
bool controllerDebug = false;
bool fastForward = false;
int advanceLimit = 0;

bool isValidUpdateRate(int rate)
{
    switch (rate) {
    case 15: case 30: case 45: case 60: case 120: case 144:
        return true;
    default:
        return false;
    }
}

void createDefaultConfig()
{
    setConfigInt("video", "colourdepth", 32);
    // Not a typo: stored files hold "sync", while vertical sync is read from "vsync" (so it starts off).
    setConfigInt("video", "sync", 1);
    setConfigInt("video", "width", 0);
    setConfigInt("video", "height", 0);
    setConfigInt("video", "windowed", 0);
    setConfigInt("video", "updaterate", defaultUpdateRate);
    setConfigInt("sound", "soundEffectsVolume", 60);
    setConfigInt("sound", "musicVolume", 100);
    setConfigInt("controls", "menuControlMode", 2);
    setConfigInt("controls", "xinputDpadEnabled", 1);
    setConfigInt("other", "diagnostic", 0);
    setConfigInt("other", "replayRecordingEnabled", 1);
    // Not a typo: stored files hold this key with its trailing blank; the one read and saved has none.
    setConfigInt("other", "showReplayTestOptions ", 0);
    setConfigInt("other", "alwaysShowFPS", 0);
}

StartupSettings readStartupSettings()
{
    StartupSettings s;
    vsyncEnabled = readConfigBool("video", "vsync", false);
    s.width = getConfigInt("video", "width", 0);
    s.height = getConfigInt("video", "height", 0);
    // -1 is the default adapter; nothing lies below it.
    s.display = std::max(getConfigInt("video", "display", -1), -1);
    int rate = getConfigInt("video", "updaterate", defaultUpdateRate);
    s.updateRate = isValidUpdateRate(rate) ? rate : defaultUpdateRate;
    s.soundEffectsVolume = std::clamp(getConfigInt("sound", "soundEffectsVolume", 60), 0, 100);
    s.musicVolume = std::clamp(getConfigInt("sound", "musicVolume", 100), 0, 100);
    s.windowed = readConfigBool("video", "windowed", false);
    int mode = getConfigInt("controls", "menuControlMode", 2);
    menuControlMode = (mode >= 0 && mode <= 2) ? mode : 2;
    xinputDpadEnabled = readConfigBool("controls", "xinputDpadEnabled", true);
    diagnosticMode = readConfigBool("other", "diagnostic", false);
    autoRandomControls = readConfigBool("other", "autoRandomControls", false);
    replayRecordingEnabled = readConfigBool("other", "replayRecordingEnabled", true);
    showReplayTestOptions = readConfigBool("other", "showReplayTestOptions", false);
    alwaysShowFPS = readConfigBool("other", "alwaysShowFPS", false);
    lootboxesEnabled = readConfigBool("lootbox", "lootboxesEnabled", true);
    lootboxPoints = getConfigInt("lootbox", "lootboxPoints", 0);
    return s;
}
