#include <gtest/gtest.h>

#include <allegro5/allegro.h>

#include "frame/config.h"
#include "menu_fixture.h"
#include "menus/main_menu.h"
#include "support/temp_folder.h"

namespace {

// The title screen without a display, 1920 pixels wide; the first-run prompt
// writes to a configuration in a temporary folder.
class TitleScreenTest : public MenuFixture {
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        std::filesystem::create_directories(home.dataFolder());
        configPath = (home.dataFolder() / "tamwick.cfg").string();
        config = al_create_config();
    }
    void TearDown() override
    {
        al_destroy_config(config);
        config = nullptr;
        configPath.clear();
        MenuFixture::TearDown();
    }
    std::unique_ptr<TamwickMenu> backOnly()
    {
        auto m = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
        title.context.addBack(*m);
        return m;
    }
    void update(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            title.update();
    }
    void tap(int key)
    {
        held = {key};
        update();
        held.clear();
        update(11);
    }
    std::vector<std::string> selections()
    {
        std::vector<std::string> found;
        for (const std::string& line : log.lines())
            if (line.rfind("Menu selection: ", 0) == 0)
                found.push_back(line.substr(16));
        return found;
    }

    TempDataHome home;
    TitleScreen title{1920};
};

TEST_F(TitleScreenTest, KeyboardEscapeClosesEveryMenuButAControllersButton2OnlySubmenus)
{
    auto pad = addController();
    title.context.pending.push_back(backOnly());
    update();
    ASSERT_EQ(title.context.stack.size(), 1u);
    title.context.push(backOnly());
    title.context.push(backOnly());
    held = {ALLEGRO_KEY_ESCAPE};
    update(20);
    EXPECT_EQ(title.context.stack.size(), 2u) << "a held Escape closes one menu only";
    held.clear();
    update();

    for (const char* why : {"one press closes one submenu", "and never the last menu"}) {
        pad->button2Down = true;
        update(3);
        EXPECT_EQ(title.context.stack.size(), 1u) << why;
        pad->button2Down = false;
        update(11);
    }
    held = {ALLEGRO_KEY_ESCAPE};
    update();
    EXPECT_TRUE(title.context.stack.empty());
    EXPECT_TRUE(title.done()) << "nothing left to show";
}

TEST_F(TitleScreenTest, TheFirstRunPromptShowsAloneThenTheMainMenu)
{
    title.queueStartMenus(true);
    EXPECT_EQ(title.context.pending.size(), 2u);
    update();
    EXPECT_TRUE(title.firstStart);
    EXPECT_EQ(title.context.stack.size(), 1u);
    title.context.backRequested = true;   // the prompt's "Done"
    update();
    EXPECT_FALSE(title.firstStart) << "the queue's last menu shows";
    ASSERT_EQ(title.context.stack.size(), 1u);
    EXPECT_EQ(title.context.stack.back()->buttons[0]->labelText(), "Start Game");
    EXPECT_NE(title.context.menuMusic, nullptr) << "the main menu starts the menu music";
}

TEST_F(TitleScreenTest, TheMainMenuListsItsEntriesInOrderAndBackKeepsItsSelection)
{
    title.queueStartMenus(false);
    EXPECT_EQ(title.context.pending.size(), 1u) << "no first-run prompt";
    update(11);
    EXPECT_FALSE(title.firstStart);
    for (int i = 0; i < 5; ++i)
        tap(ALLEGRO_KEY_DOWN);
    EXPECT_EQ(selections(), (std::vector<std::string>{"Start Game", "View Replays", "Settings", "Credits",
                                                       "Quit to desktop", "Start Game"}));

    tap(ALLEGRO_KEY_ENTER);
    ASSERT_EQ(title.context.stack.size(), 2u);
    update(10);
    tap(ALLEGRO_KEY_UP);
    tap(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(title.context.stack.size(), 1u);
    EXPECT_EQ(title.context.stack.back()->selected, 0);
    const auto all = selections();
    EXPECT_EQ(std::vector<std::string>(all.begin() + 6, all.end()),
              (std::vector<std::string>{"Classic", "Back", "Start Game"}));
}

TEST_F(TitleScreenTest, AGameNeedsAtLeastTwoPlayers)
{
    for (auto [before, after] : {std::pair{1, 2}, {5, 5}}) {
        gameOptions.numPlayers = before;
        update();
        EXPECT_EQ(gameOptions.numPlayers, after);
    }
}

}
