#include <gtest/gtest.h>

#include "frame/config.h"
#include "frame/config_option.h"
#include "frame/settings.h"
#include "media/bitmap_wrapper.h"
#include "menus/debug_menu.h"
#include "menus/display_menu.h"
#include "menus/flashing_background_menu.h"
#include "menus/replay_settings_menu.h"
#include "menus/settings_menu.h"
#include "menu_test_environment.h"

namespace {

using Texts = std::vector<std::string>;

std::string onOff(bool on) { return on ? "On" : "Off"; }

class SettingsMenus : public ::testing::Test {
protected:
    TamwickMenu& top() { return *env.context.stack.back(); }
    // A value out of its list must not stop the drawing.
    void draw(TamwickMenu& menu)
    {
        BitmapWrapper canvas(env.canvas(), false);
        menu.update(1079);
        menu.draw(canvas);
    }

    MenuTestEnvironment env;
};

TEST_F(SettingsMenus, TheSettingsMenuAndItsControlModeEntry)
{
    menuControlMode = 0;
    auto menu = settingsMenu(env.context);
    EXPECT_EQ(env.texts(*menu), (Texts{"Settings", "Display", "Sound", "Replays", "Accessibility", "Phobias",
                                       "Debug", "Menu control mode: Keyboard only", "Profile", "Back"}));
    // "Keyboard only" is shown but cannot be chosen again.
    env.select(*menu, "Menu control mode");
    std::vector<int> modes;
    for (int i = 0; i < 3; ++i) {
        env.tap(*menu, ALLEGRO_KEY_RIGHT);
        modes.push_back(menuControlMode);
    }
    EXPECT_EQ(modes, (std::vector<int>{1, 2, 1}));
    menuControlMode = 0;
    env.tap(*menu, ALLEGRO_KEY_LEFT);
    EXPECT_EQ(menuControlMode, 2);

    // A mode beyond the list (an edited file) shows its number and steps back in.
    menuControlMode = 3;
    EXPECT_EQ(env.textOf(*menu, 7), "Menu control mode: 3");
    draw(*menu);
    menu->buttons[7]->pressRight();
    EXPECT_EQ(menuControlMode, 1);

    env.choose(*menu, "Back");
    EXPECT_TRUE(env.context.backRequested);
}

TEST_F(SettingsMenus, ClosingSettingsSavesExactlyItsFourKeys)
{
    menuControlMode = 2;
    replayRecordingEnabled = true;
    showReplayTestOptions = false;
    alwaysShowFPS = false;
    vsyncEnabled = false;
    env.context.push(settingsMenu(env.context));
    for (const char* entry : {"Replays", "Display", "Debug"}) {
        env.choose(*env.context.stack.front(), entry);
        ASSERT_EQ(env.context.stack.size(), 2u) << entry;
        for (std::size_t i = 0; i < top().buttons.size(); ++i) {
            // Switches only: the actions open screens of their own.
            if (dynamic_cast<CmdButtonBool*>(top().buttons[i].get()))
                top().buttons[i]->activate();
        }
        env.context.stack.pop_back();
    }
    env.context.stack.front()->buttons[7]->pressLeft();
    EXPECT_TRUE(env.savedKeys().empty()) << "written before Settings closed";

    env.context.stack.pop_back();
    const std::map<std::string, std::string> expected{{"controls/menuControlMode", "1"},
                                                      {"other/replayRecordingEnabled", "0"},
                                                      {"other/showReplayTestOptions", "1"},
                                                      {"other/alwaysShowFPS", "1"}};
    EXPECT_EQ(env.savedKeys(), expected);
    // The switches changed in memory at once; VSync and the debug switches are never saved.
    EXPECT_TRUE(vsyncEnabled);
    EXPECT_TRUE(diagnosticMode);
    EXPECT_TRUE(controllerDebug);
}

TEST_F(SettingsMenus, SubmenusOfSettingsPushTheirEntries)
{
    auto settings = settingsMenu(env.context);
    env.choose(*settings, "Replays");
    EXPECT_EQ(env.texts(top()), (Texts{"Replay settings", "Record replay data: On", "Show replay test option: Off",
                                       "Back"}));
    env.choose(*settings, "Display");
    EXPECT_EQ(env.texts(top()), (Texts{"Display settings", "Screen resolution", "High frame rate options",
                                       "Show FPS: Off", "VSync: Off", "Back"}));
    env.choose(*settings, "Debug");
    EXPECT_EQ(env.texts(top()),
              (Texts{"Debug options - not recommended for most players", "Diagnostic mode: Off",
                     "Show player controller debug: Off", "Set lootbox points: 0",
                     "Go to lootbox room (loot boxes must be enabled)", "Show Quick Start option: Off", "Back"}));
    flashingBackgroundMenu(env.context);
    const Texts flashing = env.texts(top());
    ASSERT_EQ(flashing.size(), 10u);
    EXPECT_EQ(flashing.front(), "Flashing background settings");
    EXPECT_EQ(flashing[7], "flashing background.");
    EXPECT_EQ(flashing[8], "Flashing background: On");
    for (auto& menu : env.context.stack)
        draw(*menu);

    env.choose(top(), "Flashing background");
    EXPECT_FALSE(accessibilitySettings.flashingEnabled);
    EXPECT_TRUE(env.savedKeys().empty());
}

TEST_F(SettingsMenus, DebugEntriesChangeMemoryAndTheQuickStartKeyAtOnce)
{
    lootboxPoints = 0;
    debugMenu(env.context);
    TamwickMenu& debug = top();
    env.select(debug, "Set lootbox points");
    env.tap(debug, ALLEGRO_KEY_LEFT);
    EXPECT_EQ(lootboxPoints, 1000);
    env.tap(debug, ALLEGRO_KEY_RIGHT);
    EXPECT_EQ(lootboxPoints, 0);
    EXPECT_TRUE(env.savedKeys().empty()) << "the points are kept in memory only";

    const bool before = showQuickStartOption.get();
    env.choose(debug, "Show Quick Start option");
    EXPECT_EQ(env.savedKeys().at("other/showQuickStartOption"), before ? "0" : "1");
    EXPECT_EQ(env.textOf(debug, 5), "Show Quick Start option: " + onOff(!before));
    showQuickStartOption.set(before);
}

// The first run's prompt leaves the cats key behind so that it is not shown again.
TEST_F(SettingsMenus, PhobiasWriteTheCatsKeyAndEachSwitchAtOnce)
{
    ASSERT_FALSE(hasConfigValue("lootbox", "catsEnabled"));
    const bool cats = catsEnabled.get();
    auto firstRun = phobiasMenu(env.context, true);
    EXPECT_EQ(env.savedKeys().at("lootbox/catsEnabled"), cats ? "1" : "0");
    const Texts texts = env.texts(*firstRun);
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts[0], "This game includes photos of cats, dogs and");
    EXPECT_EQ(Texts(texts.begin() + 3, texts.end()),
              (Texts{"Cats: " + onOff(cats), "Dogs: " + onOff(dogsEnabled.get()),
                     "Hamsters: " + onOff(hamstersEnabled.get()), "Owls: " + onOff(owlsEnabled.get()),
                     "Ferrets: " + onOff(ferretsEnabled.get()), "Done"}));

    const bool dogs = dogsEnabled.get();
    env.select(*firstRun, "Dogs");
    env.tap(*firstRun, ALLEGRO_KEY_LEFT);
    EXPECT_EQ(env.savedKeys().at("lootbox/dogsEnabled"), dogs ? "0" : "1");
    env.tap(*firstRun, ALLEGRO_KEY_ENTER);
    EXPECT_EQ(env.savedKeys().at("lootbox/dogsEnabled"), dogs ? "1" : "0");
    env.choose(*firstRun, "Done");
    EXPECT_TRUE(env.context.backRequested);

    auto later = phobiasMenu(env.context, false);
    EXPECT_EQ(env.texts(*later).back(), "Back");
}

}
