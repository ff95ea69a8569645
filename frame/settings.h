#pragma once

// Settings read from the configuration file at start-up (some also set by the
// command line, which is read afterwards and so wins).
extern bool vsyncEnabled;
extern int menuControlMode;      // 0 keyboard only, 1 keyboard and controller 1, 2 any controller
extern bool xinputDpadEnabled;
extern bool diagnosticMode;
extern bool autoRandomControls;
extern bool replayRecordingEnabled;
extern bool showReplayTestOptions;
extern bool alwaysShowFPS;
extern bool lootboxesEnabled;
extern int lootboxPoints;
// Shows each player's controls id beside it in the arena (never saved).
extern bool controllerDebug;

// Command line only.
extern bool fastForward;
extern int advanceLimit;

inline constexpr int defaultUpdateRate = 60;

// What start-up keeps in locals for the display and sound steps.
struct StartupSettings {
    int width = 0;
    int height = 0;
    int display = -1;
    bool windowed = false;
    int soundEffectsVolume = 60;
    int musicVolume = 100;
    int updateRate = defaultUpdateRate;
};

// Writes the defaults of a new configuration file, key by key.
void createDefaultConfig();
// Reads every start-up setting into its global and returns the locals.
StartupSettings readStartupSettings();
// The update rates the timer accepts; anything else reads as 60.
bool isValidUpdateRate(int rate);
