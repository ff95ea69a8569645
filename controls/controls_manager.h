#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "controls/controls.h"
#include "controls/joystick_controls.h"

// Owns the four keyboard layouts and every Controls object players can pick,
// detects game controllers as they come and go, and tells which controllers
// may drive the menus. One exists for the life of the program.
class ControlsManager {
public:
    // Adds the four default layouts and detects the controllers.
    ControlsManager();
    ~ControlsManager();
    ControlsManager(const ControlsManager&) = delete;
    ControlsManager& operator=(const ControlsManager&) = delete;

    // Installs the joystick driver on its first call, re-reads the connected
    // controllers on later ones, drops the lost and adds the new. True when
    // later calls changed the list; the first fill never counts as a change.
    bool detectJoysticks();
    // Re-detects only while Steam Input is in use, which this build never is.
    bool pollSteamInput();
    // The controllers that may drive a menu besides the keyboard, for a menu
    // control mode (0 keyboard only, 1 keyboard and the first controller,
    // 2 keyboard and every controller). With includeHeld, mode 1 also lets
    // the first controller that a player holds count.
    std::vector<std::shared_ptr<Controls>> getMenuControls(int inputMode, bool includeHeld);
    // True when a player holds exactly this controller (never for keyboards).
    bool isControlsUsedByAnyPlayer(const std::shared_ptr<Controls>& c);
    std::optional<std::shared_ptr<Controls>> firstController();
    std::optional<std::shared_ptr<Controls>> firstControllerHeldByPlayer();
    // Controls for the driver's joystick at index; null for an index the
    // driver does not know.
    std::shared_ptr<JoystickControls> makeControllerControls(int index, bool quiet);

    // Keycodes of each layout in the order up, down, left, right, fire, button2.
    std::vector<std::vector<int>> layouts;
    // Controllers first (driver order), then the keyboard layouts; controllers
    // found later are appended.
    std::vector<std::shared_ptr<Controls>> controls;

    // The first fill stops at this many objects.
    static constexpr std::size_t maxControls = 100;

private:
    void logDetectedJoysticks(int count);
    void fillControls(int joystickCount);
    bool refreshControls(int joystickCount);
};

// A controls object that a player of the running game holds.
struct HeldControls {
    int playerNumber = 0;
    std::shared_ptr<Controls> controls;
};
// Where the manager learns which controls the players hold; the game registers
// its player list here. Without one, no player holds anything.
using HeldControlsSource = std::function<std::vector<HeldControls>()>;
void setHeldControlsSource(HeldControlsSource source);

// Made by start-up; lives until shutdown.
extern std::unique_ptr<ControlsManager> controlsManager;
// The same object, for the menus; set by the manager itself.
extern ControlsManager* controlsManagerInstance;
// The joystick driver is installed by the first detection.
extern bool joystickDriverPending;
// Never set in this build.
extern bool steamInputEnabled;

// True for the controls that count as game controllers.
bool isControllerControls(const Controls* c);
