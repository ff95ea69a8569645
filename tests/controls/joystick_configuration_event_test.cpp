#include <gtest/gtest.h>

#include <allegro5/allegro.h>

#include "controls/controls_manager.h"
#include "fake_joystick_driver.h"
#include "frame/app_globals.h"
#include "frame/display/screen_loop.h"
#include "support/log_capture.h"
#include "support/allegro_environment.h"

namespace {

// A screen whose loop receives the driver's configuration event re-detects
// the controllers and is told that they changed.
TEST(JoystickConfigurationEvent, ScreenLoopRedetectsAndCallsTheScreen)
{
    ensureAllegroSystem();
    FakeJoystickDriver driver;
    FakePad& pad = driver.addPad("Pad");
    joystickDriverPending = true;
    controlsManager = std::make_unique<ControlsManager>();
    ALLEGRO_EVENT_QUEUE* previousQueue = eventQueue;
    eventQueue = al_create_event_queue();
    ALLEGRO_EVENT_SOURCE source;
    al_init_user_event_source(&source);
    al_register_event_source(eventQueue, &source);

    LogCapture log;
    pad.plugged = false;
    ALLEGRO_EVENT event{};
    event.type = ALLEGRO_EVENT_JOYSTICK_CONFIGURATION;
    al_emit_user_event(&source, &event, nullptr);

    int callbacks = 0;
    runLoop([] {}, [] {}, [&] { return callbacks > 0; }, [&] { callbacks += 1; }, false, false);

    EXPECT_EQ(callbacks, 1);
    EXPECT_EQ(controlsManager->controls.size(), 4u);
    EXPECT_TRUE(containsInOrder(log.lines(), {"ALLEGRO_EVENT_JOYSTICK_CONFIGURATION",
                                              "0 controllers detected:", "1 controls invalidated"}));

    al_destroy_user_event_source(&source);
    al_destroy_event_queue(eventQueue);
    eventQueue = previousQueue;
    controlsManager.reset();
}

}
