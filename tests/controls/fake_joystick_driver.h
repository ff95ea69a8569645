#pragma once
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
    std::vector<std::string> buttonNames;
    // How many buttons the driver claims; may exceed the state's table.
    int buttonCount = 0;
    int buttons[_AL_MAX_JOYSTICK_BUTTONS] = {};
    bool plugged = true;
};

// Stands in for Allegro's joystick driver while it lives. Like Allegro, a
// change of plugged pads shows only after the next reconfigure, and a pad that
// is plugged back keeps its handle.
class FakeJoystickDriver final : public JoystickDriver {
public:
    FakeJoystickDriver();
    ~FakeJoystickDriver() override;

    // A pad with one two-axis stick and the given buttons, named
    // "<name> button <i>".
    FakePad& addPad(const std::string& name, int buttonCount = 14);
    ALLEGRO_JOYSTICK* handle(FakePad& pad) const;

    bool installFails = false;
    int installCalls = 0;
    int reconfigureCalls = 0;

    bool install() override;
    bool reconfigure() override;
    int numJoysticks() override;
    ALLEGRO_JOYSTICK* joystick(int index) override;
    bool active(ALLEGRO_JOYSTICK* joystick) override;
    std::string name(ALLEGRO_JOYSTICK* joystick) override;
    int numSticks(ALLEGRO_JOYSTICK* joystick) override;
    std::string stickName(ALLEGRO_JOYSTICK* joystick, int stick) override;
    int numAxes(ALLEGRO_JOYSTICK* joystick, int stick) override;
    std::string axisName(ALLEGRO_JOYSTICK* joystick, int stick, int axis) override;
    int numButtons(ALLEGRO_JOYSTICK* joystick) override;
    std::string buttonName(ALLEGRO_JOYSTICK* joystick, int button) override;
    void state(ALLEGRO_JOYSTICK* joystick, ALLEGRO_JOYSTICK_STATE& state) override;
    ALLEGRO_EVENT_SOURCE* eventSource() override { return nullptr; }

private:
    // The pad behind a handle while the driver sees it plugged in.
    FakePad* pad(ALLEGRO_JOYSTICK* joystick) const;
    const FakePad::Stick* stick(ALLEGRO_JOYSTICK* joystick, int stick) const;
    void configure();

    std::vector<std::unique_ptr<FakePad>> pads_;
    std::vector<FakePad*> configured_;
};
