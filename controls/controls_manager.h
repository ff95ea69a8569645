#pragma once
#include <memory>

// Owns every keyboard layout and controller players can pick, and detects
// controllers as they come and go.
class ControlsManager {
public:
    ControlsManager();
    // Re-reads the connected controllers; true when the list changed.
    bool detectJoysticks();
    bool pollSteamInput();
};

extern std::unique_ptr<ControlsManager> controlsManager;
extern bool steamInputEnabled;
