#pragma once
#include <allegro5/allegro.h>

#include "controls/controls.h"

// One game controller. The object keeps its driver handle while unplugged
// (then it is inactive) and reads the device again when the driver hands the
// same handle to it once more.
class JoystickControls final : public Controls {
public:
    // Logs the new controller's id unless quiet.
    JoystickControls(ALLEGRO_JOYSTICK* joystick, bool quiet);

    bool isActive() override;
    // Directions come from any stick, or, with the d-pad option on, from
    // buttons 10 to 13 when no stick is pushed.
    bool up() override;
    bool down() override;
    bool left() override;
    bool right() override;
    bool fire() override;
    bool button2() override;
    bool pause() override;
    bool changeSkin() override;
    bool changeColour() override;
    std::string name() override;
    // The driver's name of the action's button, counted from 1 where the
    // driver ends it with the button's own zero-based number. Empty for the
    // directions, which have no button.
    std::string buttonText(ControlInput action) override;
    // The name and the handle's address in lower-case hexadecimal.
    std::string id() override;

    // True when some stick with the axis is pushed beyond half way in the
    // direction of sign (+1 or -1).
    bool isAxisPushed(int axis, float sign);
    // False for a button the controller does not have.
    bool isButtonPressed(int button);

    ALLEGRO_JOYSTICK* joystick;
};
