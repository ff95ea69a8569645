#include "menus/pause_menu.h"

#include <allegro5/allegro.h>

#include "controls/controls_manager.h"
#include "controls/keyboard_state.h"
#include "frame/app_globals.h"
#include "frame/log.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "game/player.h"
#include "game/round_state.h"
#include "media/music.h"
#include "menus/pause_screen.h"

bool pauseRequested()
{
    if (isKeyDown(ALLEGRO_KEY_ESCAPE))
        return true;
    if (!controlsManager)
        return false;
    for (const auto& c : controlsManager->getMenuControls(menuControlMode, true)) {
        if (c && c->pause())
            return true;
    }
    return false;
}

bool anyPlayerHoldsFire()
{
    for (const auto& p : player) {
        if (p && p->controls && p->controls->fire())
            return true;
    }
    return false;
}

bool pauseMenu(std::shared_ptr<Music> music, bool darken)
{
    // The music goes on as it was; it is only kept alive while paused.
    (void)music;
    logLine("Pause menu opened\n");
    PauseScreen screen(darken);
    runLoop([&] { screen.update(); }, [&] { screen.render(); }, [&] { return screen.done(); }, {}, false,
            false);
    // The press that resumed must not also lay a bomb.
    if (!quitRequested && anyPlayerHoldsFire()) {
        al_rest(0.1);
        if (anyPlayerHoldsFire())
            runLoop([] {}, [&] { screen.renderReleasePrompt(); },
                    [] { return !anyPlayerHoldsFire() || quitRequested; }, {}, false, false);
    }
    const bool quit = screen.quitChosen();
    logLine(quit ? "Pause menu: quit\n" : "Pause menu: resume\n");
    return quit;
}
