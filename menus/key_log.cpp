#include "menus/key_log.h"

#include <allegro5/allegro.h>
#include <array>

#include "controls/key_names.h"
#include "controls/keyboard_state.h"
#include "frame/log.h"

// Allegro's keyboard state changes on its own thread, so a key may go up
// between this read and the screen's own. A release is logged only once two
// updates in a row have seen the key up: the screen's read between them has
// seen it up too, so a press that follows the line is never taken for the
// end of the earlier one.
void logKeyChanges()
{
    static std::array<bool, ALLEGRO_KEY_MAX> wasDown{};
    static std::array<bool, ALLEGRO_KEY_MAX> upOnce{};
    for (int key = 1; key < ALLEGRO_KEY_MAX; ++key) {
        const bool down = isKeyDown(key);
        bool& before = wasDown[std::size_t(key)];
        bool& releasing = upOnce[std::size_t(key)];
        if (down == before) {
            releasing = false;
            continue;
        }
        if (!down && !releasing) {
            releasing = true;
            continue;
        }
        before = down;
        releasing = false;
        logLine((down ? "Key down: " : "Key pressed: ") + keyName(key) + "\n");
    }
}
