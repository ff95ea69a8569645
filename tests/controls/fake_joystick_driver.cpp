#include "fake_joystick_driver.h"

#include <algorithm>
#include <cstring>

FakeJoystickDriver::FakeJoystickDriver()
{
    setJoystickDriver(this);
}

FakeJoystickDriver::~FakeJoystickDriver()
{
    setJoystickDriver(nullptr);
}

FakePad& FakeJoystickDriver::addPad(const std::string& name, int buttonCount)
{
    auto pad = std::make_unique<FakePad>();
    pad->name = name;
    pad->sticks.push_back({"Stick 1", {"X", "Y"}, {}});
    pad->buttonCount = buttonCount;
    for (int i = 0; i < buttonCount; ++i)
        pad->buttonNames.push_back(name + " button " + std::to_string(i));
    pads_.push_back(std::move(pad));
    return *pads_.back();
}

ALLEGRO_JOYSTICK* FakeJoystickDriver::handle(FakePad& pad) const
{
    return reinterpret_cast<ALLEGRO_JOYSTICK*>(&pad);
}

FakePad* FakeJoystickDriver::pad(ALLEGRO_JOYSTICK* joystick) const
{
    auto* p = reinterpret_cast<FakePad*>(joystick);
    return std::find(configured_.begin(), configured_.end(), p) != configured_.end() ? p : nullptr;
}

void FakeJoystickDriver::configure()
{
    configured_.clear();
    for (const auto& p : pads_) {
        if (p->plugged)
            configured_.push_back(p.get());
    }
}

bool FakeJoystickDriver::install()
{
    installCalls += 1;
    if (installFails)
        return false;
    configure();
    return true;
}

bool FakeJoystickDriver::reconfigure()
{
    reconfigureCalls += 1;
    configure();
    return true;
}

int FakeJoystickDriver::numJoysticks()
{
    return int(configured_.size());
}

ALLEGRO_JOYSTICK* FakeJoystickDriver::joystick(int index)
{
    if (index < 0 || index >= numJoysticks())
        return nullptr;
    return handle(*configured_[std::size_t(index)]);
}

bool FakeJoystickDriver::active(ALLEGRO_JOYSTICK* joystick)
{
    return pad(joystick) != nullptr;
}

std::string FakeJoystickDriver::name(ALLEGRO_JOYSTICK* joystick)
{
    // Allegro keeps the name of an unplugged device.
    auto* p = reinterpret_cast<FakePad*>(joystick);
    return p ? p->name : "";
}

const FakePad::Stick* FakeJoystickDriver::stick(ALLEGRO_JOYSTICK* joystick, int stick) const
{
    FakePad* p = pad(joystick);
    if (!p || stick < 0 || stick >= int(p->sticks.size()))
        return nullptr;
    return &p->sticks[std::size_t(stick)];
}

int FakeJoystickDriver::numSticks(ALLEGRO_JOYSTICK* joystick)
{
    FakePad* p = pad(joystick);
    return p ? int(p->sticks.size()) : 0;
}

std::string FakeJoystickDriver::stickName(ALLEGRO_JOYSTICK* joystick, int s)
{
    return stick(joystick, s) ? stick(joystick, s)->name : "";
}

int FakeJoystickDriver::numAxes(ALLEGRO_JOYSTICK* joystick, int s)
{
    return stick(joystick, s) ? int(stick(joystick, s)->axisNames.size()) : 0;
}

std::string FakeJoystickDriver::axisName(ALLEGRO_JOYSTICK* joystick, int s, int axis)
{
    if (axis < 0 || axis >= numAxes(joystick, s))
        return "";
    return stick(joystick, s)->axisNames[std::size_t(axis)];
}

int FakeJoystickDriver::numButtons(ALLEGRO_JOYSTICK* joystick)
{
    FakePad* p = pad(joystick);
    return p ? p->buttonCount : 0;
}

std::string FakeJoystickDriver::buttonName(ALLEGRO_JOYSTICK* joystick, int button)
{
    FakePad* p = pad(joystick);
    if (!p || button < 0 || button >= int(p->buttonNames.size()))
        return "";
    return p->buttonNames[std::size_t(button)];
}

void FakeJoystickDriver::state(ALLEGRO_JOYSTICK* joystick, ALLEGRO_JOYSTICK_STATE& state)
{
    std::memset(&state, 0, sizeof state);
    FakePad* p = pad(joystick);
    if (!p)
        return;
    for (std::size_t s = 0; s < p->sticks.size() && s < _AL_MAX_JOYSTICK_STICKS; ++s)
        for (int a = 0; a < _AL_MAX_JOYSTICK_AXES; ++a)
            state.stick[s].axis[a] = p->sticks[s].axis[a];
    for (int b = 0; b < _AL_MAX_JOYSTICK_BUTTONS; ++b)
        state.button[b] = p->buttons[b];
}
