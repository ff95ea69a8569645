#pragma once
#include "controls/controls.h"

// Controls that never press anything: the computer-controlled snakes use them.
class NoControls : public Controls {
public:
    bool isActive() override { return true; }
    bool up() override { return false; }
    bool down() override { return false; }
    bool left() override { return false; }
    bool right() override { return false; }
    bool fire() override { return false; }
    bool button2() override { return false; }
    bool pause() override { return false; }
    std::string name() override { return ""; }
    std::string buttonText(ControlInput) override { return ""; }
};
