// The "Randomness up!" pause as the program installs it, headless.
#include <allegro5/allegro.h>

#include "frame/game_ids.h"
#include "game/game.h"
#include "game/round_state.h"
#include "menu_screen_fixture.h"
#include "menus/randomness_pause.h"
#include "menus/session_screens_setup.h"
#include "session/session_screens.h"

namespace {

class RandomnessPauseTest : public MenuScreenTest {
protected:
    void SetUp() override
    {
        MenuScreenTest::SetUp();
        savedScreens_ = sessionScreens;
        resetRoundState();
    }
    void TearDown() override
    {
        randomnessPauseScreen = nullptr;
        randomnessScreenReset = nullptr;
        sessionScreens = savedScreens_;
        clearQuitRequest();
        resetRoundState();
        MenuScreenTest::TearDown();
    }

private:
    SessionScreens savedScreens_;
};

TEST_F(RandomnessPauseTest, ARiseShowsItsToastOnAFreshSmallScreen)
{
    // A tall trophy room's screen is up when the next round begins.
    useScreen(640, 960);
    installSessionScreens();
    // The window is closed: the pause does not wait for the timer.
    requestQuit();
    gameOptions.randomnessIncrease = 1000000;
    Game game(false, PackagedReplayData{});
    incrementRandomness(game);
    EXPECT_EQ(gameOptions.randomness, 1);
    EXPECT_EQ(screenWidth, 640);
    EXPECT_EQ(screenHeight, 480);
    ASSERT_TRUE(screenBitmap);
    EXPECT_EQ(screenBitmap->width(), 640);
    EXPECT_EQ(screenBitmap->height(), 480);
    EXPECT_TRUE(game.toasts.empty()) << "the pause runs the toast to its end all the same";
}

}
