#include "controls/keyboard_controls.h"

#include <allegro5/allegro.h>
#include <stdexcept>

#include "controls/key_names.h"
#include "controls/keyboard_state.h"

KeyboardControls::KeyboardControls(const std::vector<int>& layout) : keys(layout) {}

bool KeyboardControls::keyDown(std::size_t index) const
{
    return index < keys.size() && isKeyDown(keys[index]);
}

std::string KeyboardControls::nameOf(std::size_t index) const
{
    return index < keys.size() ? keyName(keys[index]) : "";
}

bool KeyboardControls::up() { return keyDown(0); }
bool KeyboardControls::down() { return keyDown(1); }
bool KeyboardControls::left() { return keyDown(2); }
bool KeyboardControls::right() { return keyDown(3); }
bool KeyboardControls::fire() { return keyDown(4); }
bool KeyboardControls::button2() { return keyDown(5); }
bool KeyboardControls::pause() { return isKeyDown(ALLEGRO_KEY_ESCAPE); }

std::string KeyboardControls::name()
{
    return nameOf(0) + "\n" + nameOf(2) + " " + nameOf(1) + " " + nameOf(3) + "\n" + nameOf(4);
}

std::string KeyboardControls::buttonText(ControlInput action)
{
    auto index = static_cast<std::size_t>(action);
    if (index >= keys.size())
        throw std::out_of_range("invalid vector subscript");
    std::string text = keyName(keys[index]);
    if (text == "KEY73")
        return ".";
    if (text == "KEY72")
        return ",";
    return text;
}
