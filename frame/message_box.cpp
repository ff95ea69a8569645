#include "frame/message_box.h"

#include "frame/log.h"
#include "platform/message_box.h"

int showMessageBox(ALLEGRO_DISPLAY* display, const char* title, const char* heading,
                   const char* text, int flags)
{
    log("Message box [%s] [%s]: %s\n", title, heading, text);
    return platform::nativeMessageBox(display, title, heading, text, flags);
}
