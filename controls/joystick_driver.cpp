#include "controls/joystick_driver.h"

#include <cstring>

namespace {

std::string text(const char* s)
{
    return s ? s : "";
}

// Allegro's joystick driver. Its own calls assume valid handles and indices,
// so those are checked here first.
class AllegroJoystickDriver final : public JoystickDriver {
public:
    bool install() override { return al_install_joystick(); }

    bool reconfigure() override
    {
        return al_is_joystick_installed() && al_reconfigure_joysticks();
    }

    int numJoysticks() override
    {
        return al_is_joystick_installed() ? al_get_num_joysticks() : 0;
    }

    ALLEGRO_JOYSTICK* joystick(int index) override
    {
        if (index < 0 || index >= numJoysticks())
            return nullptr;
        return al_get_joystick(index);
    }

    bool active(ALLEGRO_JOYSTICK* j) override { return j && al_get_joystick_active(j); }

    std::string name(ALLEGRO_JOYSTICK* j) override
    {
        return j ? text(al_get_joystick_name(j)) : "";
    }

    int numSticks(ALLEGRO_JOYSTICK* j) override
    {
        return j ? al_get_joystick_num_sticks(j) : 0;
    }

    std::string stickName(ALLEGRO_JOYSTICK* j, int stick) override
    {
        if (!j || stick < 0 || stick >= numSticks(j))
            return "";
        return text(al_get_joystick_stick_name(j, stick));
    }

    int numAxes(ALLEGRO_JOYSTICK* j, int stick) override
    {
        if (!j || stick < 0 || stick >= numSticks(j))
            return 0;
        return al_get_joystick_num_axes(j, stick);
    }

    std::string axisName(ALLEGRO_JOYSTICK* j, int stick, int axis) override
    {
        if (axis < 0 || axis >= numAxes(j, stick))
            return "";
        return text(al_get_joystick_axis_name(j, stick, axis));
    }

    int numButtons(ALLEGRO_JOYSTICK* j) override
    {
        return j ? al_get_joystick_num_buttons(j) : 0;
    }

    std::string buttonName(ALLEGRO_JOYSTICK* j, int button) override
    {
        if (!j || button < 0 || button >= numButtons(j))
            return "";
        return text(al_get_joystick_button_name(j, button));
    }

    void state(ALLEGRO_JOYSTICK* j, ALLEGRO_JOYSTICK_STATE& s) override
    {
        std::memset(&s, 0, sizeof s);
        if (j)
            al_get_joystick_state(j, &s);
    }

    ALLEGRO_EVENT_SOURCE* eventSource() override
    {
        return al_is_joystick_installed() ? al_get_joystick_event_source() : nullptr;
    }
};

AllegroJoystickDriver allegroDriver;
JoystickDriver* currentDriver = &allegroDriver;

}

JoystickDriver& joystickDriver()
{
    return *currentDriver;
}

void setJoystickDriver(JoystickDriver* driver)
{
    currentDriver = driver ? driver : &allegroDriver;
}
