#pragma once
#include <allegro5/allegro.h>
#include <string>

// Every joystick call the controls make goes through here, so that tests can
// present controllers of their own. The calls mirror Allegro's; each one is
// safe with a null handle, an unknown index or a missing name (it answers
// nothing, zero or an empty text) instead of reading past a table.
class JoystickDriver {
public:
    virtual ~JoystickDriver() = default;

    virtual bool install() = 0;
    virtual bool reconfigure() = 0;
    virtual int numJoysticks() = 0;
    // Null for an index outside 0 to numJoysticks() - 1.
    virtual ALLEGRO_JOYSTICK* joystick(int index) = 0;
    virtual bool active(ALLEGRO_JOYSTICK* joystick) = 0;
    virtual std::string name(ALLEGRO_JOYSTICK* joystick) = 0;
    virtual int numSticks(ALLEGRO_JOYSTICK* joystick) = 0;
    virtual std::string stickName(ALLEGRO_JOYSTICK* joystick, int stick) = 0;
    virtual int numAxes(ALLEGRO_JOYSTICK* joystick, int stick) = 0;
    virtual std::string axisName(ALLEGRO_JOYSTICK* joystick, int stick, int axis) = 0;
    virtual int numButtons(ALLEGRO_JOYSTICK* joystick) = 0;
    virtual std::string buttonName(ALLEGRO_JOYSTICK* joystick, int button) = 0;
    // All zero for a null handle.
    virtual void state(ALLEGRO_JOYSTICK* joystick, ALLEGRO_JOYSTICK_STATE& state) = 0;
    // Null when there is none to listen to.
    virtual ALLEGRO_EVENT_SOURCE* eventSource() = 0;
};

// The driver in use: Allegro's unless a test has put another in.
JoystickDriver& joystickDriver();
// Puts a driver in (not owned); nullptr puts Allegro's back.
void setJoystickDriver(JoystickDriver* driver);
