#include "menus/credits.h"

#include "frame/log.h"
#include "frame/display/screen_loop.h"
#include "frame/screen_size.h"
#include "menus/credits_screen.h"

void credits()
{
    CreditsScreen screen(screenWidth, screenHeight);
    logLine("Credits shown\n");
    runLoop([&] { screen.update(); }, [&] { screen.render(); }, [&] { return screen.done(); }, {}, false,
            false);
    logLine("Credits closed\n");
}
