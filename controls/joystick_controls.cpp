#include "controls/joystick_controls.h"

#include <algorithm>
#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/join.hpp>
#include <boost/algorithm/string/split.hpp>
#include <cstdint>
#include <fmt/format.h>
#include <stdexcept>
#include <vector>

#include "controls/joystick_driver.h"
#include "frame/log.h"
#include "frame/settings.h"

namespace {

// The button behind each non-direction action; -1 for the directions.
int buttonOf(ControlInput action)
{
    switch (action) {
    case ControlInput::Fire: return 0;
    case ControlInput::Button2: return 1;
    case ControlInput::Pause: return 9;
    case ControlInput::ChangeSkin: return 2;
    case ControlInput::ChangeColour: return 3;
    default: return -1;
    }
}

constexpr int dpadRight = 10;
constexpr int dpadLeft = 11;
constexpr int dpadDown = 12;
constexpr int dpadUp = 13;

}

JoystickControls::JoystickControls(ALLEGRO_JOYSTICK* joystick, bool quiet) : joystick(joystick)
{
    if (!quiet)
        logStdString(fmt::format("Init JoystickControls {}\n", id()));
}

bool JoystickControls::isActive()
{
    return joystickDriver().active(joystick);
}

bool JoystickControls::isAxisPushed(int axis, float sign)
{
    JoystickDriver& driver = joystickDriver();
    if (!joystick || axis < 0 || axis >= _AL_MAX_JOYSTICK_AXES)
        return false;
    ALLEGRO_JOYSTICK_STATE state;
    driver.state(joystick, state);
    int sticks = std::min(driver.numSticks(joystick), _AL_MAX_JOYSTICK_STICKS);
    for (int s = 0; s < sticks; ++s) {
        if (driver.numAxes(joystick, s) >= axis + 1 && sign * state.stick[s].axis[axis] > 0.5f)
            return true;
    }
    return false;
}

bool JoystickControls::isButtonPressed(int button)
{
    JoystickDriver& driver = joystickDriver();
    if (!joystick || button < 0 || button >= _AL_MAX_JOYSTICK_BUTTONS ||
        driver.numButtons(joystick) < button + 1)
        return false;
    ALLEGRO_JOYSTICK_STATE state;
    driver.state(joystick, state);
    return state.button[button] != 0;
}

bool JoystickControls::up()
{
    return isAxisPushed(1, -1.0f) || (xinputDpadEnabled && isButtonPressed(dpadUp));
}

bool JoystickControls::down()
{
    return isAxisPushed(1, +1.0f) || (xinputDpadEnabled && isButtonPressed(dpadDown));
}

bool JoystickControls::left()
{
    return isAxisPushed(0, -1.0f) || (xinputDpadEnabled && isButtonPressed(dpadLeft));
}

bool JoystickControls::right()
{
    return isAxisPushed(0, +1.0f) || (xinputDpadEnabled && isButtonPressed(dpadRight));
}

bool JoystickControls::fire() { return isButtonPressed(buttonOf(ControlInput::Fire)); }
bool JoystickControls::button2() { return isButtonPressed(buttonOf(ControlInput::Button2)); }
bool JoystickControls::pause() { return isButtonPressed(buttonOf(ControlInput::Pause)); }
bool JoystickControls::changeSkin() { return isButtonPressed(buttonOf(ControlInput::ChangeSkin)); }
bool JoystickControls::changeColour()
{
    return isButtonPressed(buttonOf(ControlInput::ChangeColour));
}

std::string JoystickControls::name()
{
    return joystickDriver().name(joystick);
}

std::string JoystickControls::id()
{
    return fmt::format("{} {:x}", name(), reinterpret_cast<std::uintptr_t>(joystick));
}

std::string JoystickControls::buttonText(ControlInput action)
{
    int button = buttonOf(action);
    if (button < 0)
        return "";
    std::string text = joystickDriver().buttonName(joystick, button);
    std::vector<std::string> words;
    boost::split(words, text, boost::is_any_of(" "));
    if (words.size() < 2)
        return text;
    try {
        if (std::stoi(words.back(), nullptr, 10) != button)
            return text;
    } catch (const std::logic_error&) {
        // Not a number (or out of range): the driver's name stays as it is.
        return text;
    }
    words.pop_back();
    return boost::algorithm::join(words, " ") + " " + std::to_string(button + 1);
}
