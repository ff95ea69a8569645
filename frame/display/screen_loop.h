#pragma once
#include <allegro5/allegro_font.h>
#include <functional>
#include <string>

// Timer ticks not yet consumed by an update, all ticks since the loop started,
// and frames presented since the loop started.
extern int pendingUpdates;
extern int timerTicks;
extern int framesRendered;

// Most updates run back to back before a frame is rendered; a longer backlog is dropped.
inline constexpr int maxUpdatesPerFrame = 5;

// Takes every waiting event: timer ticks become pending updates, a changed
// joystick configuration re-detects the controllers (then calls
// `controllersChanged` when given), a closed window sets quitRequested.
void drainEvents(const std::function<void()>& controllersChanged);

// The event and frame loop every screen runs: `update` at the update rate,
// `render` once after each run of updates, until `done` says so or the window
// is closed (see quitRequested; a screen opened after that ends at once).
void runLoop(std::function<void()> update, std::function<void()> render,
             std::function<bool()> done, std::function<void()> controllersChanged,
             bool logAverageFps, bool showTimings);

// The frame-rate counter, at the top left of the canvas (built-in font when none given).
void drawFps(const ALLEGRO_FONT* font);

// The diagnostic timing line (durations in seconds).
std::string timingOverlayText(double update, double render1, double previousRender2,
                              float previousFrame);
