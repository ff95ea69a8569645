#include "menus/randomness_pause.h"

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/display/screen_loop.h"
#include "game/game.h"
#include "media/bitmap_draw.h"

RandomnessPause::RandomnessPause(Game& game) : game_(game) {}

void RandomnessPause::update()
{
    game_.updateToasts();
    --remaining_;
}

void RandomnessPause::render()
{
    if (!screenBitmap || !screenBitmap->bitmap)
        return;
    clearBitmap(*screenBitmap);
    game_.drawToasts();
}

void randomnessPause(Game& game)
{
    RandomnessPause pause(game);
    // A closed window cuts the pause short; the toasts still run their course,
    // so the round starts as it would have.
    runLoop([&] { pause.update(); }, [&] { pause.render(); }, [&] { return pause.done() || quitRequested; },
            {}, false, false);
    while (!pause.done())
        pause.update();
}

void recreateRandomnessScreen()
{
    createScreenBitmap(1);
}
