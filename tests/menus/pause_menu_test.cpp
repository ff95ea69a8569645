// The pause screen headless: its menus on a fake keyboard, the controller
// menus on fake controllers, the frozen picture on memory canvases.
#include <allegro5/allegro.h>

#include "../controls/fake_joystick_driver.h"
#include "controls/controls_manager.h"
#include "controls/joystick_controls.h"
#include "controls/keyboard_controls.h"
#include "game/player.h"
#include "game/round_state.h"
#include "media/bitmap_draw.h"
#include "media/primitives.h"
#include "menu_screen_fixture.h"
#include "menus/menu_layout.h"
#include "menus/pause_menu.h"
#include "menus/pause_screen.h"
#include "support/log_capture.h"
#include "support/scripted_controls.h"

namespace {

std::vector<std::string> labelsOf(TamwickMenu& menu)
{
    std::vector<std::string> labels;
    for (const auto& b : menu.buttons)
        labels.push_back(b->labelText());
    return labels;
}

// The keyboard layouts name their keys over three lines.
std::string oneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string selectedLabel(TamwickMenu& menu)
{
    return menu.buttons[std::size_t(menu.selected)]->labelText();
}

class PauseMenuTest : public MenuScreenTest {
protected:
    void SetUp() override
    {
        MenuScreenTest::SetUp();
        joystickDriverPending = true;
        controlsManager = std::make_unique<ControlsManager>();
    }
    void TearDown() override
    {
        player.clear();
        controlsManager.reset();
        MenuScreenTest::TearDown();
    }

    std::shared_ptr<Player> addPlayer(int num, std::shared_ptr<Controls> controls)
    {
        auto p = std::make_shared<Player>(num, 0, -1, PlayerLook{}, std::move(controls));
        player.push_back(p);
        return p;
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
        for (std::size_t i = 0; i < screen.top().buttons.size() && selectedLabel(screen.top()) != label; ++i)
            tap(ALLEGRO_KEY_DOWN, update);
        ASSERT_EQ(selectedLabel(screen.top()), label);
        tap(ALLEGRO_KEY_ENTER, update);
    }

    FakeJoystickDriver driver;
    LogCapture log;
};

TEST_F(PauseMenuTest, TheMenuOffersItsFourEntriesAndEscapeOnItDoesNothing)
{
    PauseScreen screen(false);
    ASSERT_EQ(screen.stack().size(), 1u);
    EXPECT_EQ(labelsOf(screen.top()),
              (std::vector<std::string>{"Resume game", "Sound options", "Reassign controls", "Quit to main menu"}));
    tap(ALLEGRO_KEY_ESCAPE, [&] { screen.update(); });
    EXPECT_EQ(screen.stack().size(), 1u);
    EXPECT_FALSE(screen.done());
}

TEST_F(PauseMenuTest, QuitToMainMenuEndsItWithQuitAndResumeWithout)
{
    {
        PauseScreen screen(false);
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
}

TEST_F(PauseMenuTest, ClosingTheWindowQuits)
{
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

TEST_F(PauseMenuTest, LayoutAndLeftEdgeFollowTheScreenSize)
{
    useScreen(1280, 720);
    EXPECT_EQ(PauseScreen(false).menuX(), 340);
    EXPECT_EQ(PauseScreen(false).top().layout, &pauseMenuLayout);
    useScreen(900, 300);
    EXPECT_EQ(PauseScreen(false).menuX(), 40);
    EXPECT_EQ(PauseScreen(false).top().layout, &pauseControllersMenuLayout);
    useScreen(900, 301);
    EXPECT_EQ(PauseScreen(false).top().layout, &pauseMenuLayout);
    PauseScreen screen(false);
    for (const auto& b : screen.top().buttons)
        EXPECT_EQ(static_cast<CmdButtonText&>(*b).x, 40);
}

TEST_F(PauseMenuTest, FromTheJoinScreenThePictureIsDarkenedFromARoundItIsNot)
{
    useScreen(64, 48);
    drawFilledRectangle(screenBitmap->bitmap, 0, 0, 64, 48, al_map_rgb(255, 255, 255));
    unsigned char r, g, b;
    al_unmap_rgb(getPixel(PauseScreen(false).picture()->bitmap, 10, 10), &r, &g, &b);
    EXPECT_EQ(r, 255);
    al_unmap_rgb(getPixel(PauseScreen(true).picture()->bitmap, 10, 10), &r, &g, &b);
    EXPECT_NEAR(int(r), 31, 2) << "about an eighth of the brightness";
    EXPECT_EQ(r, g);
}

TEST_F(PauseMenuTest, ControlAssignmentsListEveryPlayerAndEscapeReturns)
{
    addPlayer(1, keyboardLayout(0));
    addPlayer(2, keyboardLayout(1));
    PauseScreen screen(false);
    choose(screen, "Reassign controls");
    ASSERT_EQ(screen.stack().size(), 2u);
    const auto labels = labelsOf(screen.top());
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[0], "Control assignments");
    EXPECT_EQ(labels[1].rfind("Player 1 ", 0), 0u);
    EXPECT_EQ(labels[2].rfind("Player 2 ", 0), 0u);
    EXPECT_EQ(labels[3], "Back");
    // A label keeps to one line.
    ASSERT_NE(keyboardLayout(0)->name().find('\n'), std::string::npos);
    EXPECT_EQ(labels[1], "Player 1 " + oneLine(keyboardLayout(0)->name()));
    for (const auto& label : labels)
        EXPECT_EQ(label.find('\n'), std::string::npos) << label;

    tap(ALLEGRO_KEY_ESCAPE, [&] { screen.update(); });
    EXPECT_EQ(screen.stack().size(), 1u);
    EXPECT_FALSE(screen.done());
}

TEST_F(PauseMenuTest, ALostPlayerTakesANewlyConnectedController)
{
    FakePad& first = driver.addPad("Pad A");
    controlsManager = std::make_unique<ControlsManager>();
    auto padA = controlsManager->controls.front();
    ASSERT_TRUE(dynamic_cast<JoystickControls*>(padA.get()));
    auto p1 = addPlayer(1, padA);
    addPlayer(2, keyboardLayout(0));

    // Pad A is pulled out and a new pad comes in.
    first.plugged = false;
    controlsManager->detectJoysticks();
    driver.addPad("Pad\nB");
    controlsManager->detectJoysticks();
    EXPECT_FALSE(p1->controls->isActive());

    PauseScreen screen(false);
    choose(screen, "Reassign controls");
    auto labels = labelsOf(screen.top());
    ASSERT_GE(labels.size(), 5u);
    EXPECT_EQ(labels[1], "1 players have invalid controls");
    EXPECT_EQ(labels[2], "Select a player to reassign controls");
    EXPECT_EQ(labels[3], "Player 1 LOST CONTROLLER");

    choose(screen, "Player 1 LOST CONTROLLER");
    labels = labelsOf(screen.top());
    EXPECT_EQ(labels.front(), "Choose a new controller for player 1");
    // Every known control, the one player 2 holds marked as such; names on one line.
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Pad B"), labels.end());
    EXPECT_EQ(std::count_if(labels.begin(), labels.end(),
                            [](const std::string& l) { return l.ends_with(" - player 2"); }),
              1);
    choose(screen, "Pad B");
    ASSERT_TRUE(p1->controls->isActive());
    EXPECT_EQ(p1->controls->name(), "Pad\nB");
    EXPECT_EQ(screen.stack().size(), 3u) << "the controller menu stays open";

    // Back in the player list, player 1 now holds pad B.
    choose(screen, "Back");
    choose(screen, "Back");
    choose(screen, "Reassign controls");
    labels = labelsOf(screen.top());
    EXPECT_EQ(labels[1], "Player 1 Pad B");
}

TEST_F(PauseMenuTest, APadPluggedBackServesItsPlayerAgain)
{
    FakePad& pad = driver.addPad("Pad A");
    controlsManager = std::make_unique<ControlsManager>();
    auto p1 = addPlayer(1, controlsManager->controls.front());
    pad.plugged = false;
    controlsManager->detectJoysticks();
    EXPECT_FALSE(p1->controls->isActive());
    pad.plugged = true;
    controlsManager->detectJoysticks();
    EXPECT_TRUE(p1->controls->isActive());

    PauseScreen screen(false);
    choose(screen, "Reassign controls");
    const auto labels = labelsOf(screen.top());
    EXPECT_EQ(labels[1], "Player 1 Pad A") << "no count line once every player's controls work";
}

TEST_F(PauseMenuTest, APlayerMayTakeTheControlsAnotherHolds)
{
    auto p1 = addPlayer(1, keyboardLayout(0));
    auto p2 = addPlayer(2, keyboardLayout(1));
    PauseScreen screen(false);
    choose(screen, "Reassign controls");
    choose(screen, screen.top().buttons[2]->labelText());   // player 2
    const std::string taken = screen.top().buttons[1]->labelText();
    EXPECT_TRUE(taken.ends_with(" - player 1")) << taken;
    choose(screen, taken);
    EXPECT_EQ(p2->controls, p1->controls);
}

TEST_F(PauseMenuTest, FireHeldByAnyPlayerIsSeen)
{
    EXPECT_FALSE(anyPlayerHoldsFire());
    auto a = std::make_shared<ScriptedControls>();
    auto b = std::make_shared<ScriptedControls>();
    addPlayer(1, a);
    addPlayer(2, b);
    EXPECT_FALSE(anyPlayerHoldsFire());
    b->fireDown = true;
    EXPECT_TRUE(anyPlayerHoldsFire());
    b->fireDown = false;
    EXPECT_FALSE(anyPlayerHoldsFire());
}

TEST_F(PauseMenuTest, EscapeOrAMenuControllersPauseButtonAsksForThePause)
{
    FakePad& pad = driver.addPad("Pad A");
    controlsManager = std::make_unique<ControlsManager>();
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
