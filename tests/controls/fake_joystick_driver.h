#pragma once
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "controls/joystick_driver.h"

// A controller as the fake driver presents it.
struct FakePad {
    struct Stick {
        std::string name;
        std::vector<std::string> axisNames;
        float axis[_AL_MAX_JOYSTICK_AXES] = {};
    };
    std::string name;
    std::vector<Stick> sticks;
    // One name for each button the driver claims; may exceed the state's table.
    std::vector<std::string> buttonNames;
    int buttons[_AL_MAX_JOYSTICK_BUTTONS] = {};
    bool plugged = true;
};

// Stands in for Allegro's joystick driver while it lives. Like Allegro, a
// change of plugged pads shows only after the next reconfigure, a pad that is
// plugged back keeps its handle, and an unplugged pad keeps its name.
class FakeJoystickDriver final : public JoystickDriver {
public:
    FakeJoystickDriver() { setJoystickDriver(this); }
    ~FakeJoystickDriver() override { setJoystickDriver(nullptr); }

    // A pad with one two-axis stick and buttons named "<name> button <i>".
    FakePad& addPad(const std::string& name, int buttonCount = 14)
    {
        auto& pad = *pads_.emplace_back(std::make_unique<FakePad>());
        pad.name = name;
        pad.sticks.push_back({"Stick 1", {"X", "Y"}, {}});
        for (int i = 0; i < buttonCount; ++i)
            pad.buttonNames.push_back(name + " button " + std::to_string(i));
        return pad;
    }
    ALLEGRO_JOYSTICK* handle(FakePad& pad) const { return reinterpret_cast<ALLEGRO_JOYSTICK*>(&pad); }

    bool installFails = false;
    int installCalls = 0;
    int reconfigureCalls = 0;

    bool install() override
    {
        installCalls += 1;
        if (!installFails)
            configure();
        return !installFails;
    }
    bool reconfigure() override
    {
        reconfigureCalls += 1;
        configure();
        return true;
    }
    int numJoysticks() override { return int(configured_.size()); }
    ALLEGRO_JOYSTICK* joystick(int index) override
    {
        return index < 0 || index >= numJoysticks() ? nullptr : handle(*configured_[std::size_t(index)]);
    }
    bool active(ALLEGRO_JOYSTICK* joystick) override { return pad(joystick) != nullptr; }
    std::string name(ALLEGRO_JOYSTICK* joystick) override
    {
        return joystick ? reinterpret_cast<FakePad*>(joystick)->name : "";
    }
    int numSticks(ALLEGRO_JOYSTICK* joystick) override
    {
        return pad(joystick) ? int(pad(joystick)->sticks.size()) : 0;
    }
    std::string stickName(ALLEGRO_JOYSTICK* joystick, int s) override
    {
        return stick(joystick, s) ? stick(joystick, s)->name : "";
    }
    int numAxes(ALLEGRO_JOYSTICK* joystick, int s) override
    {
        return stick(joystick, s) ? int(stick(joystick, s)->axisNames.size()) : 0;
    }
    std::string axisName(ALLEGRO_JOYSTICK* joystick, int s, int axis) override
    {
        return axis >= 0 && axis < numAxes(joystick, s) ? stick(joystick, s)->axisNames[std::size_t(axis)] : "";
    }
    int numButtons(ALLEGRO_JOYSTICK* joystick) override
    {
        return pad(joystick) ? int(pad(joystick)->buttonNames.size()) : 0;
    }
    std::string buttonName(ALLEGRO_JOYSTICK* joystick, int button) override
    {
        return button >= 0 && button < numButtons(joystick) ? pad(joystick)->buttonNames[std::size_t(button)] : "";
    }
    void state(ALLEGRO_JOYSTICK* joystick, ALLEGRO_JOYSTICK_STATE& state) override
    {
        std::memset(&state, 0, sizeof state);
        FakePad* p = pad(joystick);
        for (std::size_t s = 0; p && s < p->sticks.size() && s < _AL_MAX_JOYSTICK_STICKS; ++s)
            std::copy(std::begin(p->sticks[s].axis), std::end(p->sticks[s].axis), state.stick[s].axis);
        if (p)
            std::copy(std::begin(p->buttons), std::end(p->buttons), state.button);
    }
    ALLEGRO_EVENT_SOURCE* eventSource() override { return nullptr; }

private:
    void configure()
    {
        configured_.clear();
        for (const auto& p : pads_)
            if (p->plugged)
                configured_.push_back(p.get());
    }
    // The pad behind a handle while the driver sees it plugged in.
    FakePad* pad(ALLEGRO_JOYSTICK* joystick) const
    {
        auto* p = reinterpret_cast<FakePad*>(joystick);
        return std::find(configured_.begin(), configured_.end(), p) != configured_.end() ? p : nullptr;
    }
    const FakePad::Stick* stick(ALLEGRO_JOYSTICK* joystick, int s) const
    {
        FakePad* p = pad(joystick);
        return p && s >= 0 && s < int(p->sticks.size()) ? &p->sticks[std::size_t(s)] : nullptr;
    }

    std::vector<std::unique_ptr<FakePad>> pads_;
    std::vector<FakePad*> configured_;
};
