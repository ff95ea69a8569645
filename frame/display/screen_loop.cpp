#include "frame/display/screen_loop.h"

#include <algorithm>
#include <fmt/format.h>
#include <iomanip>
#include <sstream>

#include "controls/controls_manager.h"
#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/log.h"
#include "frame/profiler.h"
#include "frame/quit_request.h"
#include "frame/settings.h"
#include "media/fonts.h"
#include "media/text.h"

int pendingUpdates = 0;
int timerTicks = 0;
int framesRendered = 0;

namespace {

const ALLEGRO_COLOR white = {1, 1, 1, 1};

}

void drainEvents(const std::function<void()>& controllersChanged)
{
    ALLEGRO_EVENT event;
    while (eventQueue && !al_is_event_queue_empty(eventQueue)) {
        al_wait_for_event(eventQueue, &event);
        switch (event.type) {
        case ALLEGRO_EVENT_JOYSTICK_CONFIGURATION:
            log("ALLEGRO_EVENT_JOYSTICK_CONFIGURATION\n");
            if (controlsManager)
                controlsManager->detectJoysticks();
            if (controllersChanged)
                controllersChanged();
            break;
        case ALLEGRO_EVENT_TIMER:
            pendingUpdates += 1;
            timerTicks += 1;
            break;
        case ALLEGRO_EVENT_DISPLAY_LOST:
            log("ALLEGRO_EVENT_DISPLAY_LOST\n");
            break;
        case ALLEGRO_EVENT_DISPLAY_FOUND:
            log("ALLEGRO_EVENT_DISPLAY_FOUND\n");
            break;
        case ALLEGRO_EVENT_DISPLAY_CLOSE:
            requestQuit();
            break;
        default:
            // Screens poll the keyboard and joysticks instead.
            break;
        }
    }
}

std::string timingOverlayText(double update, double render1, double previousRender2,
                              float previousFrame)
{
    return fmt::format(
        "Update: {:.1f}ms  Render1: {:.1f}ms  Render2: {:.1f}ms  Frame: {:.1f}ms  Equivalent FPS: {:.1f}",
        update * 1000, render1 * 1000, previousRender2 * 1000, double(previousFrame) * 1000,
        1.0f / std::max(previousFrame, 0.0001f));
}

void drawFps(const ALLEGRO_FONT* font)
{
    if (!screenBitmap || !screenBitmap->bitmap)
        return;
    std::string text = fmt::format("{:.2f}fps", float(framesRendered) / float(timerTicks) * 60.0f);
    drawText(screenBitmap->bitmap, font ? font : builtinFont, 0, 0, white, text, 0);
}

void runLoop(std::function<void()> update, std::function<void()> render,
             std::function<bool()> done, std::function<void()> controllersChanged,
             bool logAverageFps, bool showTimings)
{
    timerTicks = 0;
    framesRendered = 0;
    int updatesSinceRender = 0;
    double updateSeconds = 0;
    double render1Seconds = 0;
    float previousOverlaySeconds = 0;
    float previousFrameSeconds = 0;

    while (!done()) {
        drainEvents(controllersChanged);
        // Also ends a screen opened after the window was closed.
        if (quitRequested)
            break;
        if (pendingUpdates < 1)
            continue;

        profiler.startTimer("update");
        if (controlsManager && controlsManager->pollSteamInput() && controllersChanged)
            controllersChanged();
        if (!inputBlockFlag || *inputBlockFlag == 0)
            update();
        updateSeconds = profiler.stopTimer("update");

        pendingUpdates -= 1;
        updatesSinceRender += 1;
        if (pendingUpdates > 0 && updatesSinceRender < maxUpdatesPerFrame)
            continue;
        pendingUpdates = 0;

        profiler.startTimer("render1");
        render();
        render1Seconds = profiler.stopTimer("render1");
        profiler.startTimer("render2");
        if (alwaysShowFPS)
            drawFps(font30);
        if ((diagnosticMode || showTimings) && screenBitmap && screenBitmap->bitmap) {
            const ALLEGRO_FONT* font =
                backbufferBitmap && screenWidth > backbufferBitmap->width() ? font30 : builtinFont;
            drawText(screenBitmap->bitmap, font, 0, 0, white,
                     timingOverlayText(updateSeconds, render1Seconds, previousOverlaySeconds,
                                       previousFrameSeconds),
                     0);
        }
        previousOverlaySeconds = float(profiler.stopTimer("render2"));
        previousFrameSeconds = float(updateSeconds + render1Seconds + previousOverlaySeconds);
        presentFrame();
        framesRendered += 1;
        updatesSinceRender = 0;
    }

    if (logAverageFps) {
        std::ostringstream s;
        s << "Average FPS: " << std::fixed << std::setprecision(1)
          << float(framesRendered) / float(timerTicks) * 60.0f << '\n';
        logString(s);
    }
}
