#include <gtest/gtest.h>

#include <allegro5/allegro.h>
#include <filesystem>

#include "frame/config.h"
#include "frame/config_option.h"
#include "frame/display/display.h"
#include "frame/game_ids.h"
#include "menu_fixture.h"
#include "menus/level_options_menu.h"
#include "menus/start_game_menu.h"
#include "session/session_screens.h"
#include "support/allegro_environment.h"
#include "support/temp_folder.h"

namespace {

// The set-up menus over the live game options, with a configuration file in
// a temporary folder.
class SetUpMenus : public MenuFixture {
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        ensureAllegroSystem();
        std::filesystem::create_directories(home.dataFolder());
        configPath = (home.dataFolder() / "tamwick.cfg").string();
        config = al_create_config();
        showQuickStartOption.set(false);
    }
    void TearDown() override
    {
        showQuickStartOption.set(false);
        al_destroy_config(config);
        config = nullptr;
        MenuFixture::TearDown();
    }

    static CmdButtonBase* find(TamwickMenu& menu, const std::string& label)
    {
        for (auto& b : menu.buttons)
            if (b->labelText() == label)
                return b.get();
        return nullptr;
    }
    static bool has(TamwickMenu& menu, const std::string& label) { return find(menu, label) != nullptr; }
    // The entry labelled `label`; fails the test when there is none.
    static CmdButtonBase& entry(TamwickMenu& menu, const std::string& label)
    {
        static CmdButtonHeading none;
        CmdButtonBase* found = find(menu, label);
        EXPECT_NE(found, nullptr) << label;
        return found ? *found : none;
    }

    TempDataHome home;
    MenuContext context = MenuContext::forScreenWidth(1920);
};

TEST_F(SetUpMenus, NumbersAndChoicesWrapToTheOppositeEnd)
{
    auto start = startGameMenu(context);
    gameOptions.winsNeeded = 10;
    entry(*start, "Wins Needed").activate();
    EXPECT_EQ(gameOptions.winsNeeded, 3);
    EXPECT_EQ(entry(*start, "Auctions").valueText(), "Medium");

    auto snakes = snakeHunterOptionsMenu(context);
    gameOptions.aiSnakeAggressiveness = 0;
    entry(*snakes, "Aggressiveness").pressLeft();
    EXPECT_EQ(gameOptions.aiSnakeAggressiveness, -1);
    entry(*snakes, "Respawn walls").activate();
    EXPECT_FALSE(gameOptions.respawningWalls[GameMode::SnakeHunter].enabled);
    EXPECT_TRUE(gameOptions.respawningWalls[GameMode::Everything].enabled);

    auto level = levelOptionsMenu(context);
    EXPECT_EQ(entry(*level, "Shrink speed").valueText(), "Auto");
    entry(*level, "Shrink speed").activate();
    EXPECT_EQ(entry(*level, "Shrink speed").valueText(), "Very Slow");
}

TEST_F(SetUpMenus, QuickStartPowerupsAndPlayerOptions)
{
    EXPECT_FALSE(has(*startGameMenu(context), "Quick Start"));
    showQuickStartOption.set(true);
    auto start = startGameMenu(context);
    CmdButtonBase& quick = entry(*start, "Quick Start");
    EXPECT_EQ(quick.valueText(), "Off");
    quick.activate();
    EXPECT_EQ(quick.valueText(), "2 players");
    quick.pressLeft();
    quick.pressLeft();
    EXPECT_EQ(quick.valueText(), "100 players");

    auto powerups = customisePowerupsMenu(context);
    EXPECT_EQ(powerups->buttons.size(), 22u) << "heading, 20 powerups (no Death, no None), Back";
    EXPECT_FALSE(has(*powerups, "Death"));
    EXPECT_TRUE(has(*powerups, "Shield (question)"));
    CmdButtonBase& bomb = entry(*powerups, "Extra Bomb");
    bomb.activate();
    EXPECT_TRUE(gameOptions.powerupsDisabled[PowerupType::Bomb]);
    EXPECT_EQ(bomb.valueText(), "Off");

    // A delay shown "Off" means the short fuse; speed 0 is never offered.
    auto players = playerOptionsMenu(context);
    CmdButtonBase& rocket = entry(*players, "Rocket explosion delay");
    EXPECT_EQ(rocket.valueText(), "Off");
    rocket.activate();
    EXPECT_FALSE(gameOptions.rocketDelay);
    entry(*players, "Initial player speed").pressLeft();
    entry(*players, "Initial player speed").pressLeft();
    EXPECT_EQ(gameOptions.initialPlayerSpeed, 3);
}

TEST_F(SetUpMenus, EachModeEntryStartsAGameOfItsMode)
{
    std::vector<int> modesStarted;
    SessionScreens saved = sessionScreens;
    sessionScreens.playerJoinScreen = [&] {
        modesStarted.push_back(gameOptions.gameMode);
        return false;   // nobody joins: the game ends at once
    };
    BitmapPtr savedCanvas = screenBitmap;

    auto start = startGameMenu(context);
    for (const char* label : {"Capture the Flag", "Deathmatch"})
        entry(*start, label).activate();
    EXPECT_EQ(modesStarted, (std::vector<int>{1, 5}));
    EXPECT_TRUE(context.stack.empty());

    // EVERYTHING only opens its options; "Begin game" starts it.
    entry(*start, "EVERYTHING").activate();
    ASSERT_EQ(context.stack.size(), 1u);
    EXPECT_EQ(modesStarted.size(), 2u);
    TamwickMenu& everything = *context.stack.back();
    EXPECT_TRUE(entry(everything, "Respawning is enabled").isSkipped());
    entry(everything, "Begin game").activate();
    EXPECT_EQ(modesStarted.back(), GameMode::Everything);
    EXPECT_NE(context.menuMusic, nullptr) << "the menu music is back after the game";

    sessionScreens = saved;
    screenBitmap = savedCanvas;
}

}
