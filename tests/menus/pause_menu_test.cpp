// The pause screen headless: its menus on a fake keyboard, the controller
// menus on fake controllers, the frozen picture on memory canvases.
#include <allegro5/allegro.h>

#include "controls/joystick_controls.h"
#include "controls/keyboard_controls.h"
#include "game/player.h"
#include "game/round_state.h"
#include "media/bitmap_draw.h"
#include "menu_screen_fixture.h"
#include "menus/pause_menu.h"
#include "menus/pause_screen.h"

namespace {

using Texts = std::vector<std::string>;

Texts labelsOf(TamwickMenu& menu)
{
    Texts labels;
    for (const auto& b : menu.buttons)
        labels.push_back(b->labelText());
    return labels;
}

class PauseMenuTest : public MenuScreenTest {
protected:
    void SetUp() override
    {
        MenuScreenTest::SetUp();
        makeControls();
    }
    void TearDown() override
    {
        player.clear();
        MenuScreenTest::TearDown();
    }

    std::shared_ptr<Player> addPlayer(int num, std::shared_ptr<Controls> controls)
    {
        player.push_back(std::make_shared<Player>(num, 0, -1, PlayerLook{}, std::move(controls)));
        return player.back();
    }
    std::shared_ptr<Controls> keyboardLayout(std::size_t i)
    {
        for (const auto& c : controlsManager->controls)
            if (dynamic_cast<KeyboardControls*>(c.get()) && i-- == 0)
                return c;
        return nullptr;
    }
    // Moves the selection down to the entry with this label and picks it.
    void choose(PauseScreen& screen, const std::string& label)
    {
        auto update = [&] { screen.update(); };
        auto selected = [&] { return screen.top().buttons[std::size_t(screen.top().selected)]->labelText(); };
        for (std::size_t i = 0; i < screen.top().buttons.size() && selected() != label; ++i)
            tap(ALLEGRO_KEY_DOWN, update);
        ASSERT_EQ(selected(), label);
        tap(ALLEGRO_KEY_ENTER, update);
    }
};

TEST_F(PauseMenuTest, EntriesEscapeResumeQuitAndTheWindowClosing)
{
    {
        PauseScreen screen(false);
        EXPECT_EQ(labelsOf(screen.top()),
                  (Texts{"Resume game", "Sound options", "Reassign controls", "Quit to main menu"}));
        tap(ALLEGRO_KEY_ESCAPE, [&] { screen.update(); });
        EXPECT_EQ(screen.stack().size(), 1u);
        EXPECT_FALSE(screen.done()) << "Escape on the pause menu does nothing";
        choose(screen, "Quit to main menu");
        EXPECT_TRUE(screen.done());
        EXPECT_TRUE(screen.quitChosen());
    }
    {
        PauseScreen screen(false);
        choose(screen, "Resume game");
        EXPECT_TRUE(screen.done());
        EXPECT_FALSE(screen.quitChosen());
    }
    PauseScreen screen(false);
    requestQuit();
    EXPECT_TRUE(screen.done());
    EXPECT_TRUE(screen.quitChosen());
    clearQuitRequest();
}

TEST_F(PauseMenuTest, EnterHeldWhenThePauseOpensPicksNothingUntilPressedAgain)
{
    held = {ALLEGRO_KEY_ENTER};
    PauseScreen screen(false);
    run([&] { screen.update(); }, 40);
    EXPECT_FALSE(screen.done());
    held.clear();
    tap(ALLEGRO_KEY_ENTER, [&] { screen.update(); });
    EXPECT_TRUE(screen.done());
}

TEST_F(PauseMenuTest, ThePictureIsDarkenedFromTheJoinScreenOnly)
{
    useScreen(64, 48);
    drawFilledRectangle(screenBitmap->bitmap, 0, 0, 64, 48, al_map_rgb(255, 255, 255));
    unsigned char r, g, b;
    al_unmap_rgb(getPixel(PauseScreen(false).picture()->bitmap, 10, 10), &r, &g, &b);
    EXPECT_EQ(r, 255);
    al_unmap_rgb(getPixel(PauseScreen(true).picture()->bitmap, 10, 10), &r, &g, &b);
    EXPECT_NEAR(int(r), 31, 2);
}

TEST_F(PauseMenuTest, AssignmentsListEveryPlayerOnOneLineAndOneMayTakeAnothersControls)
{
    auto p1 = addPlayer(1, keyboardLayout(0));
    auto p2 = addPlayer(2, keyboardLayout(1));
    PauseScreen screen(false);
    choose(screen, "Reassign controls");
    ASSERT_EQ(screen.stack().size(), 2u);
    std::string name = keyboardLayout(0)->name();
    ASSERT_NE(name.find('\n'), std::string::npos) << "keyboard layouts name their keys over three lines";
    std::replace(name.begin(), name.end(), '\n', ' ');
    const Texts labels = labelsOf(screen.top());
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[0], "Control assignments");
    EXPECT_EQ(labels[1], "Player 1 " + name);
    EXPECT_EQ(labels[2].rfind("Player 2 ", 0), 0u);
    EXPECT_EQ(labels[2].find('\n'), std::string::npos);
    EXPECT_EQ(labels[3], "Back");

    choose(screen, labels[2]);
    const std::string taken = screen.top().buttons[1]->labelText();
    EXPECT_TRUE(taken.ends_with(" - player 1")) << taken;
    choose(screen, taken);
    EXPECT_EQ(p2->controls, p1->controls);
}

TEST_F(PauseMenuTest, ALostPlayerTakesANewlyConnectedController)
{
    FakePad& first = driver.addPad("Pad A");
    makeControls();
    auto padA = controlsManager->controls.front();
    ASSERT_TRUE(dynamic_cast<JoystickControls*>(padA.get()));
    auto p1 = addPlayer(1, padA);
    addPlayer(2, keyboardLayout(0));
    first.plugged = false;
    controlsManager->detectJoysticks();
    EXPECT_FALSE(p1->controls->isActive());
    first.plugged = true;
    controlsManager->detectJoysticks();
    EXPECT_TRUE(p1->controls->isActive()) << "a pad plugged back serves its player again";

    first.plugged = false;
    controlsManager->detectJoysticks();
    driver.addPad("Pad\nB");
    controlsManager->detectJoysticks();
    EXPECT_FALSE(p1->controls->isActive());

    PauseScreen screen(false);
    choose(screen, "Reassign controls");
    Texts labels = labelsOf(screen.top());
    ASSERT_GE(labels.size(), 5u);
    EXPECT_EQ(Texts(labels.begin() + 1, labels.begin() + 4),
              (Texts{"1 players have invalid controls", "Select a player to reassign controls",
                     "Player 1 LOST CONTROLLER"}));

    choose(screen, "Player 1 LOST CONTROLLER");
    labels = labelsOf(screen.top());
    EXPECT_EQ(labels.front(), "Choose a new controller for player 1");
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Pad B"), labels.end());
    EXPECT_EQ(std::count_if(labels.begin(), labels.end(), [](const auto& l) { return l.ends_with(" - player 2"); }),
              1);
    choose(screen, "Pad B");
    ASSERT_TRUE(p1->controls->isActive());
    EXPECT_EQ(p1->controls->name(), "Pad\nB");
    EXPECT_EQ(screen.stack().size(), 3u) << "the controller menu stays open";

    choose(screen, "Back");
    choose(screen, "Back");
    choose(screen, "Reassign controls");
    EXPECT_EQ(labelsOf(screen.top())[1], "Player 1 Pad B");
}

TEST_F(PauseMenuTest, ThePauseRequestIsEscapeOrAControllersPauseButton)
{
    FakePad& pad = driver.addPad("Pad A");
    makeControls();
    EXPECT_FALSE(pauseRequested());
    held = {ALLEGRO_KEY_ESCAPE};
    EXPECT_TRUE(pauseRequested());
    held.clear();
    pad.buttons[9] = 1;
    EXPECT_FALSE(pauseRequested()) << "keyboard only";
    menuControlMode = 2;
    EXPECT_TRUE(pauseRequested());
}

}
