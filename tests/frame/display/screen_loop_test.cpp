#include <gtest/gtest.h>

#include <tuple>

#include "frame/app_globals.h"
#include "frame/log.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "support/allegro_environment.h"

namespace {

// Runs the real loop with ticks already pending and records what it called.
class ScreenLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureAllegroSystem();
        eventQueue = al_create_event_queue();
        pendingUpdates = 0;
        alwaysShowFPS = diagnosticMode = false;
    }
    void TearDown() override
    {
        al_destroy_event_queue(eventQueue);
        eventQueue = nullptr;
        inputBlockFlag = nullptr;
    }

    // Runs until `frames` frames have rendered or `stop` says so.
    void run(int frames, std::function<bool()> stop = {})
    {
        runLoop([&] { trace += 'u'; ++updates; }, [&] { trace += 'R'; ++renders; },
                [&] { return renders >= frames || (stop && stop()); }, {}, false, false);
    }

    std::string trace;
    int updates = 0;
    int renders = 0;
};

// Up to five updates a frame, the rest dropped; done asked before each update;
// blocked input consumes the ticks but still renders.
TEST_F(ScreenLoopTest, PendingTicksRunUpToFiveUpdatesAFrame)
{
    std::uint8_t blocked = 0;
    inputBlockFlag = &blocked;
    for (auto [pending, block, expected] : {std::tuple{3, 0, "uuuR"}, {5, 0, "uuuuuR"}, {8, 0, "uuuuuR"},
                                            {3, 1, "R"}}) {
        trace.clear();
        renders = 0;
        pendingUpdates = pending;
        blocked = std::uint8_t(block);
        run(1);
        EXPECT_EQ(trace, expected) << pending;
        EXPECT_EQ(pendingUpdates, 0);
        EXPECT_EQ(framesRendered, 1);
    }
    blocked = 0;
    trace.clear();
    updates = renders = 0;
    pendingUpdates = 4;
    run(1, [&] { return updates == 2; });
    EXPECT_EQ(trace, "uu");
}

TEST_F(ScreenLoopTest, TimerTicksFeedTheUpdates)
{
    ALLEGRO_TIMER* timer = al_create_timer(1.0 / 200);
    al_register_event_source(eventQueue, al_get_timer_event_source(timer));
    al_start_timer(timer);
    run(3);
    al_destroy_timer(timer);
    EXPECT_EQ(renders, 3);
    EXPECT_GE(updates, 3);
    EXPECT_GE(timerTicks, updates);
}

TEST_F(ScreenLoopTest, LeavingBeforeAnyTickLogsANonFiniteAverageWithoutFault)
{
    runLoop([] {}, [] {}, [] { return true; }, {}, true, false);
    EXPECT_EQ(framesRendered, 0);
    EXPECT_EQ(timerTicks, 0);
}

// Closing the window ends whatever screen runs, even one whose own `done`
// never would, and every screen opened after it, until start-up clears it.
TEST_F(ScreenLoopTest, ClosingTheWindowRequestsQuitAndEndsEveryLoop)
{
    ALLEGRO_EVENT_SOURCE window;
    al_init_user_event_source(&window);
    al_register_event_source(eventQueue, &window);
    ALLEGRO_EVENT close{};
    close.type = ALLEGRO_EVENT_DISPLAY_CLOSE;
    al_emit_user_event(&window, &close, nullptr);

    pendingUpdates = 2;
    run(1);
    EXPECT_TRUE(quitRequested);
    EXPECT_EQ(trace, "");
    pendingUpdates = 2;
    run(1);
    EXPECT_EQ(trace, "");

    clearQuitRequest();
    EXPECT_FALSE(quitRequested);
    pendingUpdates = 2;
    run(1);
    EXPECT_EQ(trace, "uuR");
    al_destroy_user_event_source(&window);
}

TEST(TimingOverlay, ShowsMillisecondsAndGuardsTheRate)
{
    EXPECT_EQ(timingOverlayText(0.0012, 0.0034, 0.0005, 0.02f),
              "Update: 1.2ms  Render1: 3.4ms  Render2: 0.5ms  Frame: 20.0ms  Equivalent FPS: 50.0");
    std::string idle = timingOverlayText(0, 0, 0, 0);
    EXPECT_EQ(idle.substr(idle.rfind("Equivalent")), "Equivalent FPS: 10000.0");
}

}
