#include "menus/player_join_screen.h"

#include "frame/display/screen_loop.h"
#include "menus/join_screen.h"

bool playerJoinScreen()
{
    PlayerJoinScreen screen;
    runLoop([&] { screen.update(); }, [&] { screen.render(); }, [&] { return screen.done(); },
            [&] { screen.controllersChanged(); }, false, false);
    return screen.finish();
}
