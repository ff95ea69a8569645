#include "platform/message_box.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_native_dialog.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {

bool dialogsDisabled()
{
    const char* value = std::getenv("TAMWICK_NO_DIALOGS");
    return value && std::strcmp(value, "0") != 0;
}

int nativeMessageBox(ALLEGRO_DISPLAY* display, const char* title, const char* heading,
                     const char* text, int flags)
{
    if (dialogsDisabled()) {
        std::fprintf(stderr, "[message box] %s%s%s%s%s\n", title, *title ? ": " : "", heading,
                     *heading ? ": " : "", text);
        return 0;
    }
    if (al_is_system_installed() && !al_is_native_dialog_addon_initialized())
        al_init_native_dialog_addon();
    return al_show_native_message_box(display, title, heading, text, nullptr, flags);
}

}
