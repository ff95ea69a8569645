#include <gtest/gtest.h>

#include "menus/screen_mode_menu.h"
#include "menu_test_environment.h"

namespace {

using Texts = std::vector<std::string>;

// A display that records the modes it is switched to.
class ScreenModeTest : public ::testing::Test {
protected:
    ScreenModeDisplay fakeDisplay()
    {
        ScreenModeDisplay d;
        d.current = [this] { return now; };
        d.change = [this](const ScreenMode& mode) {
            changes.push_back(mode);
            now = mode;
            // A full-screen window covers the desktop.
            if (!mode.windowed) {
                now.width = 1920;
                now.height = 1080;
            }
        };
        d.adapterCount = [this] { return adapters; };
        d.modeSizes = [this] { return sizes; };
        return d;
    }

    MenuTestEnvironment env;
    ScreenMode now{1920, 1080, false, -1};
    int adapters = 1;
    std::vector<std::pair<int, int>> sizes{{640, 480},   {1024, 768}, {800, 600}, {1024, 768},
                                           {1280, 1024}, {800, 599},  {1920, 1080}};
    std::vector<ScreenMode> changes;
};

// Sizes below 800 x 600 are left out, each size is listed once, and each
// adapter gets its full-screen entry when there are several.
TEST_F(ScreenModeTest, EntriesAndTheSelection)
{
    ScreenModeScreen one(fakeDisplay());
    EXPECT_EQ(env.texts(one.menu), (Texts{"Fullscreen window", "Windowed, 1024x768", "Windowed, 800x600",
                                          "Windowed, 1280x1024", "Windowed, 1920x1080", "Apply", "Previous"}));

    adapters = 2;
    now = {1280, 1024, true, 1};
    ScreenModeScreen two(fakeDisplay());
    const Texts texts = env.texts(two.menu);
    EXPECT_EQ(Texts(texts.begin(), texts.begin() + 3),
              (Texts{"Fullscreen window (default display)", "Fullscreen window (display 1)",
                     "Fullscreen window (display 2)"}));
    EXPECT_EQ(two.selection.width, 1280);
    EXPECT_TRUE(two.selection.windowed);
    EXPECT_EQ(two.selection.display, -1) << "the selection starts on the default display";

    env.choose(two.menu, "Windowed, 800x600");
    EXPECT_EQ(two.selection.height, 600);
    env.choose(two.menu, "Fullscreen window (display 2)");
    EXPECT_FALSE(two.selection.windowed);
    EXPECT_EQ(two.selection.display, 1);
    EXPECT_EQ(two.selection.width, 800) << "a full-screen entry keeps the chosen size";
    EXPECT_TRUE(changes.empty()) << "nothing changes before Apply";

    EXPECT_FALSE(two.done());
    env.choose(two.menu, "Previous");
    EXPECT_TRUE(two.done());
}

TEST_F(ScreenModeTest, AConfirmedModeIsSavedAndKept)
{
    ScreenModeScreen screen(fakeDisplay());
    env.choose(screen.menu, "Windowed, 1280x1024");
    env.answers = {true};
    env.choose(screen.menu, "Apply");
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0].lines,
              (Texts{"Confirm screen mode change", "Y or bomb button to confirm", "ESC or Button 2 to undo"}));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].width, 1280);
    EXPECT_EQ(env.savedKeys(), (std::map<std::string, std::string>{
                                   {"video/width", "1280"}, {"video/height", "1024"}, {"video/windowed", "1"},
                                   {"video/display", "-1"}}));
    EXPECT_FALSE(screen.done()) << "the screen stays open after applying";
}

// Undoing goes back to the earlier mode, a full-screen window included, and
// writes nothing.
TEST_F(ScreenModeTest, AnUndoneModeGoesBackToTheEarlierOne)
{
    now = {1920, 1080, false, -1};
    ScreenModeScreen fromFullscreen(fakeDisplay());
    env.choose(fromFullscreen.menu, "Windowed, 1024x768");
    env.answers = {false};
    env.choose(fromFullscreen.menu, "Apply");
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_FALSE(changes[1].windowed) << "back to the full-screen window";
    EXPECT_EQ(changes[1].display, -1);
    EXPECT_FALSE(fromFullscreen.selection.windowed);
    EXPECT_EQ(fromFullscreen.selection.width, 1024) << "the chosen size stays selected";

    changes.clear();
    adapters = 2;
    now = {1280, 1024, true, 1};
    ScreenModeScreen fromWindow(fakeDisplay());
    env.choose(fromWindow.menu, "Fullscreen window (default display)");
    env.answers = {false};
    env.choose(fromWindow.menu, "Apply");
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ((std::tuple{changes[1].width, changes[1].height, changes[1].windowed, changes[1].display}),
              (std::tuple{1280, 1024, true, 1}));
    EXPECT_EQ(fromWindow.selection.display, 1);
    EXPECT_TRUE(env.savedKeys().empty());
}

}
