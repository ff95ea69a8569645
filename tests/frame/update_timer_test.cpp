#include <gtest/gtest.h>

#include <stdexcept>

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "support/allegro_environment.h"

namespace {

TEST(UpdateTimer, RestartsAtTheSixRatesOnlyAndKeepsTicking)
{
    ensureAllegroSystem();
    ALLEGRO_EVENT_QUEUE* previousQueue = eventQueue;
    eventQueue = al_create_event_queue();

    restartTimer(144);
    ALLEGRO_TIMER* running = updateTimer;
    ASSERT_NE(running, nullptr);
    EXPECT_DOUBLE_EQ(al_get_timer_speed(running), 1.0 / 144);
    // A rate the timer must not run at is refused, and the old timer runs on.
    for (int rate : {0, -60, 50, 61, 1000}) {
        EXPECT_THROW(restartTimer(rate), std::invalid_argument) << rate;
        EXPECT_EQ(updateTimer, running);
        EXPECT_TRUE(al_get_timer_started(updateTimer));
    }

    restartTimer(15);
    EXPECT_DOUBLE_EQ(al_get_timer_speed(updateTimer), 1.0 / 15);
    ALLEGRO_EVENT event;
    ASSERT_TRUE(al_wait_for_event_timed(eventQueue, &event, 5.0f));
    EXPECT_EQ(event.type, ALLEGRO_EVENT_TIMER);
    EXPECT_EQ(event.any.source, al_get_timer_event_source(updateTimer));

    al_destroy_timer(updateTimer);
    updateTimer = nullptr;
    al_destroy_event_queue(eventQueue);
    eventQueue = previousQueue;
}

}
