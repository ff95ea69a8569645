#pragma once
#include <functional>
#include <string>

#include "controls/controls.h"

// Controls whose buttons a test holds down by setting fields.
class ScriptedControls : public Controls {
public:
    bool active = true;
    bool upDown = false, downDown = false, leftDown = false, rightDown = false;
    bool fireDown = false, button2Down = false, pauseDown = false;
    bool skinDown = false, colourDown = false;
    // Runs whenever the player asks whether the controls are active, before
    // it reads them: a test can make the read fail there.
    std::function<void()> onRead;

    // Holds exactly one direction (dx, dy), each -1, 0 or 1; (0, 0) releases them.
    void hold(int dx, int dy)
    {
        leftDown = dx < 0;
        rightDown = dx > 0;
        upDown = dy < 0;
        downDown = dy > 0;
    }
    void releaseAll()
    {
        hold(0, 0);
        fireDown = button2Down = pauseDown = skinDown = colourDown = false;
    }

    bool isActive() override
    {
        if (onRead)
            onRead();
        return active;
    }
    bool up() override { return upDown; }
    bool down() override { return downDown; }
    bool left() override { return leftDown; }
    bool right() override { return rightDown; }
    bool fire() override { return fireDown; }
    bool button2() override { return button2Down; }
    bool pause() override { return pauseDown; }
    bool changeSkin() override { return skinDown; }
    bool changeColour() override { return colourDown; }
    std::string name() override { return "Scripted"; }
    std::string buttonText(ControlInput) override { return "B"; }
};
