#pragma once
#include <string>

#include "controls/control_input.h"

// One source of player input: a keyboard layout, a game controller, or nothing.
// Objects are made with std::make_shared and destroyed through their control
// block, so the interface has no virtual destructor; deleting through a
// Controls pointer is not allowed.
class Controls {
public:
    virtual bool isActive() = 0;
    virtual bool up() = 0;
    virtual bool down() = 0;
    virtual bool left() = 0;
    virtual bool right() = 0;
    virtual bool fire() = 0;
    virtual bool button2() = 0;
    virtual bool pause() = 0;
    virtual bool changeSkin() { return false; }
    virtual bool changeColour() { return false; }
    // What the menus show for the device.
    virtual std::string name() = 0;
    // What the menus show for the key or button of one action.
    virtual std::string buttonText(ControlInput action) = 0;
    // Tells two devices apart in the log.
    virtual std::string id() { return "?"; }

protected:
    Controls() = default;
    Controls(const Controls&) = default;
    Controls& operator=(const Controls&) = default;
    ~Controls() = default;
};
