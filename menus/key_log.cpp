#include "menus/key_log.h"

#include <allegro5/allegro.h>
#include <array>

#include "controls/key_names.h"
#include "controls/keyboard_state.h"
#include "frame/log.h"

void logKeyChanges()
{
    static std::array<bool, ALLEGRO_KEY_MAX> wasDown{};
    for (int key = 1; key < ALLEGRO_KEY_MAX; ++key) {
        const bool down = isKeyDown(key);
        bool& before = wasDown[std::size_t(key)];
        if (down == before)
            continue;
        before = down;
        logLine((down ? "Key down: " : "Key pressed: ") + keyName(key) + "\n");
    }
}
