#include "support/x11_window.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <memory>

namespace {

// The window's id as xdotool finds it by its title (0 when none is found).
Window findWindow(const std::string& title)
{
    std::string command = "xdotool search --name '^" + title + "$' 2>/dev/null | head -n 1";
    std::unique_ptr<FILE, int (*)(FILE*)> search(popen(command.c_str(), "r"), pclose);
    unsigned long id = 0;
    if (!search || std::fscanf(search.get(), "%lu", &id) != 1)
        return 0;
    return Window(id);
}

}

bool sendCloseRequest(const std::string& title)
{
    Window window = findWindow(title);
    std::unique_ptr<Display, int (*)(Display*)> x(XOpenDisplay(nullptr), XCloseDisplay);
    if (!window || !x)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(x.get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    bool sent = XSendEvent(x.get(), window, False, NoEventMask, &event) != 0;
    XSync(x.get(), False);
    return sent;
}
