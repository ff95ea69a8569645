// The display's mode changes on a real X server. Each case runs in a fresh
// process of its own, so it starts without a display.
#include <gtest/gtest.h>

#include <allegro5/allegro.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "support/allegro_environment.h"
#include "support/x11_keys.h"

namespace {

class VideoModeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveDisplay())
            GTEST_SKIP() << "needs an X server";
        GTEST_FLAG_SET(death_test_style, "threadsafe");
    }
};

// The display's size once it reads as expected, or after a few seconds.
std::string sizeOnceItIs(int width, int height)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while ((al_get_display_width(display) != width || al_get_display_height(display) != height) &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return std::to_string(al_get_display_width(display)) + "x" + std::to_string(al_get_display_height(display));
}

void startWithoutDisplay(bool keyboard)
{
    ensureAllegroSystem();
    if (keyboard)
        al_install_keyboard();
    eventQueue = al_create_event_queue();
}

}

// Leaving fullscreen for a window takes the window's size, and so does every
// later windowed size. An adapter below -1 (from the file) is the default one.
TEST_F(VideoModeTest, FullscreenThenWindowedSizesTakeEachNewSize)
{
    EXPECT_EXIT(
        {
            startWithoutDisplay(true);
            setVideoMode(1920, 1080, false, -7);
            std::string sizes = sizeOnceItIs(1920, 1080);
            setVideoMode(1280, 720, true, -1);
            sizes += " " + sizeOnceItIs(1280, 720);
            setVideoMode(1024, 768, true, -1);
            sizes += " " + sizeOnceItIs(1024, 768);
            std::fprintf(stderr, "sizes: %s\n", sizes.c_str());
            std::exit(sizes == "1920x1080 1280x720 1024x768" ? 0 : 1);
        },
        testing::ExitedWithCode(0), "Adapter: -1");
}

// Without a keyboard driver the display still opens and runs: screens poll the
// keyboard, so its events are not needed (asking Allegro for them aborts).
TEST_F(VideoModeTest, ADisplayOpensWithoutAKeyboard)
{
    EXPECT_EXIT(
        {
            startWithoutDisplay(false);
            setVideoMode(640, 480, true, -1);
            setVideoMode(800, 600, true, -1);
            std::exit(al_is_keyboard_installed() || !display ? 1 : 0);
        },
        testing::ExitedWithCode(0), "");
}
