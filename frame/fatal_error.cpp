#include "frame/fatal_error.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_native_dialog.h>
#include <cstdlib>

#include "frame/log.h"
#include "frame/message_box.h"

void fatalError(const std::string& message)
{
    logStdString(message + "\n");
    ALLEGRO_DISPLAY* parent = al_is_system_installed() ? al_get_current_display() : nullptr;
    showMessageBox(parent, "Error", "Error", message.c_str(), ALLEGRO_MESSAGEBOX_ERROR);
    closeLogFile();
    std::exit(1);
}
