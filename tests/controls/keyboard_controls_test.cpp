#include <gtest/gtest.h>

#include <allegro5/allegro.h>
#include <set>

#include "controls/controls_manager.h"
#include "controls/key_names.h"
#include "controls/keyboard_controls.h"
#include "controls/keyboard_state.h"
#include "fake_joystick_driver.h"
#include "frame/app_globals.h"
#include "support/checks.h"

namespace {

// A keyboard whose held keys the test sets.
class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setKeyStateReader([this](int key) { return held.count(key) > 0; });
    }
    void TearDown() override
    {
        setKeyStateReader(nullptr);
        inputBlockFlag = nullptr;
    }

    std::set<int> held;
};

const std::vector<int> arrows = {ALLEGRO_KEY_UP,    ALLEGRO_KEY_DOWN,  ALLEGRO_KEY_LEFT,
                                 ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_RCTRL, ALLEGRO_KEY_RSHIFT};

TEST_F(KeyboardTest, LayoutReadsItsSixKeysAndEscapeUnlessInputIsBlocked)
{
    KeyboardControls c(arrows);
    EXPECT_FALSE(c.up() || c.down() || c.left() || c.right() || c.fire() || c.button2() ||
                 c.pause() || c.changeSkin() || c.changeColour());
    held = {ALLEGRO_KEY_UP, ALLEGRO_KEY_RCTRL};
    EXPECT_TRUE(c.up() && c.fire());
    EXPECT_FALSE(c.down() || c.button2());
    held = {ALLEGRO_KEY_ESCAPE, ALLEGRO_KEY_RSHIFT};
    EXPECT_TRUE(c.pause() && c.button2() && c.isActive());

    // An input block hides every key.
    held = {ALLEGRO_KEY_UP};
    std::uint8_t block = 1;
    inputBlockFlag = &block;
    EXPECT_FALSE(c.up());
    EXPECT_FALSE(isKeyPressed(ALLEGRO_KEY_UP));
    block = 0;
    EXPECT_TRUE(c.up());
}

TEST_F(KeyboardTest, NamesAreThoseOfTheWindowsKeyboard)
{
    EXPECT_EQ(KeyboardControls(arrows).name(), "UP\nLEFT DOWN RIGHT\nRCTRL");
    KeyboardControls wasd({ALLEGRO_KEY_W, ALLEGRO_KEY_S, ALLEGRO_KEY_A, ALLEGRO_KEY_D,
                           ALLEGRO_KEY_LCTRL, ALLEGRO_KEY_LSHIFT});
    EXPECT_EQ(wasd.name(), "W\nA S D\nLCTRL");
    EXPECT_EQ(wasd.buttonText(ControlInput::Button2), "LSHIFT");
    EXPECT_EQ(keyName(ALLEGRO_KEY_PAD_5), "PAD 5");
    EXPECT_EQ(keyName(ALLEGRO_KEY_SEMICOLON), "KEY68");
    EXPECT_EQ(keyName(ALLEGRO_KEY_MAX), "KEY227");

    // Punctuation shows as itself; an action without a key is rejected.
    KeyboardControls c({ALLEGRO_KEY_COMMA, ALLEGRO_KEY_FULLSTOP, ALLEGRO_KEY_LEFT,
                        ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_SPACE, ALLEGRO_KEY_M});
    EXPECT_EQ(c.buttonText(ControlInput::Up), ",");
    EXPECT_EQ(c.buttonText(ControlInput::Down), ".");
    EXPECT_EQ(c.buttonText(ControlInput::Fire), "SPACE");
    EXPECT_EQ(thrownBy([&] { c.buttonText(ControlInput::Pause); }), "invalid vector subscript");
}

TEST_F(KeyboardTest, KeyPressFiresOnceOnReleaseAndKeysOutsideTheTableAreNeverDown)
{
    const int key = ALLEGRO_KEY_Q;
    EXPECT_FALSE(isKeyPressed(key));
    held = {key};
    for (int frame = 0; frame < 5; ++frame)
        EXPECT_FALSE(isKeyPressed(key)) << "while held, frame " << frame;
    EXPECT_TRUE(isKeyDown(key));
    held.clear();
    EXPECT_TRUE(isKeyPressed(key));
    EXPECT_FALSE(isKeyPressed(key));

    // A second press gives a second edge; other keys keep their own state.
    held = {key, ALLEGRO_KEY_E};
    EXPECT_FALSE(isKeyPressed(key));
    held = {ALLEGRO_KEY_E};
    EXPECT_TRUE(isKeyPressed(key));
    EXPECT_FALSE(isKeyPressed(ALLEGRO_KEY_E));
    held.clear();
    EXPECT_TRUE(isKeyPressed(ALLEGRO_KEY_E));

    // Key codes outside the table are never down, and never asked for.
    int asked = 0;
    setKeyStateReader([&](int) { return ++asked, true; });
    EXPECT_FALSE(isKeyDown(-1) || isKeyDown(ALLEGRO_KEY_MAX) || isKeyPressed(100000));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(isKeyDown(ALLEGRO_KEY_A));
}

TEST_F(KeyboardTest, TheDefaultLayoutsMoveTheWayTheirKeysPointAndShareNoKey)
{
    FakeJoystickDriver driver;
    ControlsManager manager;
    ASSERT_EQ(manager.layouts.size(), 4u);
    KeyboardControls arrowsLayout(manager.layouts[0]);
    using Action = bool (KeyboardControls::*)();
    const std::pair<int, Action> arrowMoves[] = {{ALLEGRO_KEY_UP, &KeyboardControls::up},
                                                 {ALLEGRO_KEY_DOWN, &KeyboardControls::down},
                                                 {ALLEGRO_KEY_LEFT, &KeyboardControls::left},
                                                 {ALLEGRO_KEY_RIGHT, &KeyboardControls::right}};
    for (auto [key, expected] : arrowMoves) {
        held = {key};
        for (auto [other, action] : arrowMoves)
            EXPECT_EQ((arrowsLayout.*action)(), action == expected) << keyName(key) << " " << keyName(other);
    }

    // Each player's six keys are their own.
    std::set<int> keys;
    for (const auto& layout : manager.layouts) {
        EXPECT_EQ(layout.size(), 6u);
        keys.insert(layout.begin(), layout.end());
    }
    EXPECT_EQ(keys.size(), 24u);
}

}
