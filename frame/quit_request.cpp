#include "frame/quit_request.h"

#include "frame/log.h"

namespace {
bool requested = false;
}

const bool& quitRequested = requested;

void requestQuit()
{
    if (!requested)
        log("Quit requested: the window was closed\n");
    requested = true;
}

void clearQuitRequest()
{
    requested = false;
}
