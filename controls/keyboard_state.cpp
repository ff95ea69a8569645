#include "controls/keyboard_state.h"

#include <allegro5/allegro.h>
#include <map>

#include "frame/app_globals.h"

namespace {

bool readAllegroKey(int keycode)
{
    // Without a keyboard driver Allegro has no state to give.
    if (!al_is_keyboard_installed())
        return false;
    ALLEGRO_KEYBOARD_STATE state;
    al_get_keyboard_state(&state);
    return al_key_down(&state, keycode);
}

KeyStateReader& keyStateReader()
{
    static KeyStateReader reader = readAllegroKey;
    return reader;
}

bool inputBlocked()
{
    return inputBlockFlag && *inputBlockFlag != 0;
}

}

void setKeyStateReader(KeyStateReader reader)
{
    keyStateReader() = reader ? std::move(reader) : KeyStateReader(readAllegroKey);
}

bool isKeyDown(int keycode)
{
    if (inputBlocked())
        return false;
    // al_key_down indexes a bit table by keycode.
    if (keycode <= 0 || keycode >= ALLEGRO_KEY_MAX)
        return false;
    return keyStateReader()(keycode);
}

bool isKeyPressed(int keycode)
{
    static std::map<int, bool> wasDown;
    if (inputBlocked())
        return false;
    bool& previous = wasDown[keycode];
    if (isKeyDown(keycode)) {
        previous = true;
        return false;
    }
    bool released = previous;
    previous = false;
    return released;
}
