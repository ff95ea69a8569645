#include "controls/key_names.h"

#include <allegro5/allegro.h>
#include <array>
#include <string_view>

namespace {

// Names by keycode; an empty entry is named "KEY" and its code.
constexpr std::array<std::string_view, ALLEGRO_KEY_MAX> makeNames()
{
    std::array<std::string_view, ALLEGRO_KEY_MAX> n{};
    n[0] = "(none)";
    constexpr std::string_view letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                            "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                            "S", "T", "U", "V", "W", "X", "Y", "Z"};
    for (int i = 0; i < 26; ++i)
        n[ALLEGRO_KEY_A + i] = letters[i];
    constexpr std::string_view digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    constexpr std::string_view padDigits[] = {"PAD 0", "PAD 1", "PAD 2", "PAD 3", "PAD 4",
                                              "PAD 5", "PAD 6", "PAD 7", "PAD 8", "PAD 9"};
    for (int i = 0; i < 10; ++i) {
        n[ALLEGRO_KEY_0 + i] = digits[i];
        n[ALLEGRO_KEY_PAD_0 + i] = padDigits[i];
    }
    constexpr std::string_view functionKeys[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                 "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int i = 0; i < 12; ++i)
        n[ALLEGRO_KEY_F1 + i] = functionKeys[i];
    n[ALLEGRO_KEY_ESCAPE] = "ESCAPE";
    n[ALLEGRO_KEY_BACKSPACE] = "BACKSPACE";
    n[ALLEGRO_KEY_TAB] = "TAB";
    n[ALLEGRO_KEY_ENTER] = "ENTER";
    n[ALLEGRO_KEY_SPACE] = "SPACE";
    n[ALLEGRO_KEY_INSERT] = "INSERT";
    n[ALLEGRO_KEY_DELETE] = "DELETE";
    n[ALLEGRO_KEY_HOME] = "HOME";
    n[ALLEGRO_KEY_END] = "END";
    n[ALLEGRO_KEY_PGUP] = "PGUP";
    n[ALLEGRO_KEY_PGDN] = "PGDN";
    n[ALLEGRO_KEY_LEFT] = "LEFT";
    n[ALLEGRO_KEY_RIGHT] = "RIGHT";
    n[ALLEGRO_KEY_UP] = "UP";
    n[ALLEGRO_KEY_DOWN] = "DOWN";
    n[ALLEGRO_KEY_PAD_SLASH] = "PAD /";
    n[ALLEGRO_KEY_PAD_ASTERISK] = "PAD *";
    n[ALLEGRO_KEY_PAD_MINUS] = "PAD -";
    n[ALLEGRO_KEY_PAD_PLUS] = "PAD +";
    n[ALLEGRO_KEY_PAD_DELETE] = "PAD DELETE";
    n[ALLEGRO_KEY_PAD_ENTER] = "PAD ENTER";
    n[ALLEGRO_KEY_PRINTSCREEN] = "PRINTSCREEN";
    n[ALLEGRO_KEY_PAUSE] = "PAUSE";
    n[ALLEGRO_KEY_LSHIFT] = "LSHIFT";
    n[ALLEGRO_KEY_RSHIFT] = "RSHIFT";
    n[ALLEGRO_KEY_LCTRL] = "LCTRL";
    n[ALLEGRO_KEY_RCTRL] = "RCTRL";
    n[ALLEGRO_KEY_ALT] = "ALT";
    n[ALLEGRO_KEY_ALTGR] = "ALTGR";
    n[ALLEGRO_KEY_LWIN] = "LWIN";
    n[ALLEGRO_KEY_RWIN] = "RWIN";
    n[ALLEGRO_KEY_MENU] = "MENU";
    n[ALLEGRO_KEY_SCROLLLOCK] = "SCROLLLOCK";
    n[ALLEGRO_KEY_NUMLOCK] = "NUMLOCK";
    n[ALLEGRO_KEY_CAPSLOCK] = "CAPSLOCK";
    return n;
}

constexpr auto names = makeNames();

}

std::string keyName(int keycode)
{
    if (keycode >= 0 && keycode < ALLEGRO_KEY_MAX && !names[std::size_t(keycode)].empty())
        return std::string(names[std::size_t(keycode)]);
    return "KEY" + std::to_string(keycode);
}
