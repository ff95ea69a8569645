#include "controls/controls_manager.h"

std::unique_ptr<ControlsManager> controlsManager;
bool steamInputEnabled = false;

// Stand-in until keyboard layouts and controllers are read.
ControlsManager::ControlsManager()
{
    detectJoysticks();
}

bool ControlsManager::detectJoysticks()
{
    return false;
}

bool ControlsManager::pollSteamInput()
{
    return steamInputEnabled && detectJoysticks();
}
