#include "session/game_loop.h"

#include <allegro5/allegro.h>
#include <fmt/format.h>

#include "controls/controls_manager.h"
#include "controls/keyboard_state.h"
#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/log.h"
#include "frame/profiler.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "game/game.h"
#include "game/particles.h"
#include "media/bitmap_draw.h"
#include "media/fonts.h"
#include "media/text.h"
#include "session/game_session.h"
#include "session/session_screens.h"

namespace {

// A frame is rendered after this many updates while updates are still due,
// and after this many in a test run.
constexpr int rendersBehindEvery = 4;
constexpr int rendersFastEvery = 60;

struct FrameTimings {
    TimingResult advance;
    TimingResult render1;
    TimingResult render2;
};

void drawOverlay(const Game& game, const std::string& replayPath, const FrameTimings& t)
{
    ALLEGRO_BITMAP* target = screenBitmap->bitmap;
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    int line = 0;
    if (diagnosticMode) {
        const float frame = t.advance.average + t.render1.average + t.render2.average;
        drawText(target, builtinFont, 0, 0, white,
                 fmt::format("Update: {:.1f}ms  Render1: {:.1f}ms  Render2: {:.1f}ms  Frame: {:.1f}ms",
                             t.advance.average * 1000, t.render1.average * 1000, t.render2.average * 1000,
                             frame * 1000),
                 0);
        drawText(target, builtinFont, 0, 10, white, std::to_string(frameCounter), 0);
        drawText(target, builtinFont, 0, 20, white, std::to_string(game.shrinkTimer), 0);
        line = 30;
        if (!replayPath.empty()) {
            drawText(target, builtinFont, 0, 30, white, replayPath, 0);
            line = 40;
        }
    }
    if (fastForward)
        drawText(target, builtinFont, 0, line, white, ">>", 0);
}

void renderFrame(Game& game, const std::string& replayPath, FrameTimings& timings)
{
    profiler.startTimer("render1");
    bitmapDrawCount = 0;
    pendingUpdates = 0;
    const bool canvas = display && screenBitmap && screenBitmap->bitmap;
    if (canvas) {
        game.draw(false);
        if (alwaysShowFPS)
            drawFps(font30);
    }
    timings.render1 = profiler.stopTimerAveraged("render1");
    profiler.startTimer("render2");
    if (canvas) {
        drawOverlay(game, replayPath, timings);
        presentFrame();
    }
    timings.render2 = profiler.stopTimerAveraged("render2");
    framesRendered += 1;
}

// Sleeps until the next event (a timer tick at the latest) instead of spinning.
void waitForEvent()
{
    if (eventQueue)
        al_wait_for_event(eventQueue, nullptr);
}

}

void runGameLoop(Game& game, const std::shared_ptr<Music>& music, const ReplayTestOptions& options,
                 const std::string& replayPath, GameLoopState& state)
{
    // Without an event queue no tick ever comes: every update is due at once.
    const bool ticksCome = eventQueue != nullptr;
    FrameTimings timings;
    int renderCounter = 0;
    for (;;) {
        if (state.replayEnded || state.roundOver)
            break;
        if (isKeyPressed(ALLEGRO_KEY_F8))
            fastForward = !fastForward;
        drainEvents({});
        // Closing the window ends the round as quit, and then the program.
        if (quitRequested)
            state.quit = true;
        if (pendingUpdates < 1 && !fastForward && ticksCome) {
            if (state.quit)
                break;
            waitForEvent();
            continue;
        }

        // The update's time shows only in the diagnostic overlay; reading
        // the clock twice an update is a good part of a fast-forward update.
        const bool timeTheUpdate = diagnosticMode;
        if (timeTheUpdate)
            profiler.startTimer("advance");
        if (controlsManager)
            controlsManager->pollSteamInput();
        if (!inputBlockFlag || *inputBlockFlag == 0) {
            game.update(state.roundOver, state.replayEnded, music);
            if (sessionScreens.pauseRequested() && sessionScreens.pauseMenu(music, false))
                state.quit = true;
            updateParticles();
        }
        if (timeTheUpdate)
            timings.advance = profiler.stopTimerAveraged("advance");
        if (pendingUpdates > 0)
            pendingUpdates -= 1;

        bool render;
        if (options.fast)
            render = ++renderCounter >= rendersFastEvery;
        else if (pendingUpdates == 0)
            render = true;
        else
            render = ++renderCounter >= rendersBehindEvery;
        if (render) {
            renderCounter = 0;
            renderFrame(game, replayPath, timings);
        }

        frameCounter += 1;
        if (advanceLimit >= 1 && frameCounter >= advanceLimit) {
            state.quit = true;
            break;
        }
        if (state.quit)
            break;
    }
}
