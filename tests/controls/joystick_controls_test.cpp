#include <gtest/gtest.h>

#include <cstdint>
#include <fmt/format.h>

#include "controls/joystick_controls.h"
#include "fake_joystick_driver.h"
#include "frame/settings.h"
#include "support/log_capture.h"

namespace {

class JoystickControlsTest : public ::testing::Test {
protected:
    void SetUp() override { savedDpad = xinputDpadEnabled; }
    void TearDown() override { xinputDpadEnabled = savedDpad; }

    std::shared_ptr<JoystickControls> controlsFor(FakePad& pad)
    {
        driver.install();
        return std::make_shared<JoystickControls>(driver.handle(pad), true);
    }

    FakeJoystickDriver driver;
    bool savedDpad = true;
};

TEST_F(JoystickControlsTest, SticksPushBeyondHalfWay)
{
    FakePad& pad = driver.addPad("Pad");
    pad.sticks.push_back({"Stick 2", {"X", "Y"}, {}});
    auto c = controlsFor(pad);

    pad.sticks[0].axis[1] = -0.5f;
    EXPECT_FALSE(c->up());
    pad.sticks[0].axis[1] = -0.51f;
    EXPECT_TRUE(c->up() && !c->down());
    pad.sticks[0].axis[1] = 0;
    pad.sticks[0].axis[0] = 0.7f;
    EXPECT_TRUE(c->right() && !c->left());
    pad.sticks[0].axis[0] = 0;

    // Every stick counts, not only the first; a stick without the axis does not.
    pad.sticks[1].axis[1] = 1.0f;
    EXPECT_TRUE(c->down());
    pad.sticks[1].axisNames = {"X"};
    EXPECT_FALSE(c->down());
}

TEST_F(JoystickControlsTest, DpadButtonsOnlyWithTheOption)
{
    FakePad& pad = driver.addPad("Pad");
    pad.sticks.clear();
    auto c = controlsFor(pad);
    pad.buttons[13] = pad.buttons[10] = 1;  // up and right

    xinputDpadEnabled = true;
    EXPECT_TRUE(c->up() && c->right());
    EXPECT_FALSE(c->down() || c->left());
    pad.buttons[12] = pad.buttons[11] = 1;  // down and left
    EXPECT_TRUE(c->down() && c->left());

    xinputDpadEnabled = false;
    EXPECT_FALSE(c->up() || c->down() || c->left() || c->right());
}

TEST_F(JoystickControlsTest, ButtonsAndAxesOutsideTheDeviceReadNothing)
{
    FakePad& full = driver.addPad("Full");
    full.buttons[9] = 1;
    EXPECT_TRUE(controlsFor(full)->pause());

    FakePad& small = driver.addPad("Small", 4);
    small.buttons[9] = 1;  // beyond what the driver reports
    auto c = controlsFor(small);
    EXPECT_FALSE(c->pause());
    // The button just past the count reads as not pressed either.
    FakePad& nine = driver.addPad("Nine", 9);
    nine.buttons[9] = nine.buttons[8] = 1;
    auto n = controlsFor(nine);
    EXPECT_FALSE(n->pause());
    EXPECT_TRUE(n->isButtonPressed(8));
    EXPECT_FALSE(c->isButtonPressed(-1));
    EXPECT_EQ(c->buttonText(ControlInput::Pause), "");

    FakePad& big = driver.addPad("Big", 48);
    auto b = controlsFor(big);
    EXPECT_FALSE(b->isButtonPressed(40));
    EXPECT_FALSE(b->isAxisPushed(3, 1.0f));
    EXPECT_FALSE(b->isAxisPushed(-1, 1.0f));

    JoystickControls none(nullptr, true);
    EXPECT_FALSE(none.isActive() || none.fire() || none.up() || none.left());
    EXPECT_EQ(none.name(), "");
}

TEST_F(JoystickControlsTest, ButtonTextCountsFromOne)
{
    FakePad& pad = driver.addPad("Pad");
    auto c = controlsFor(pad);
    EXPECT_EQ(c->buttonText(ControlInput::Fire), "Pad button 1");
    EXPECT_EQ(c->buttonText(ControlInput::Pause), "Pad button 10");
    EXPECT_EQ(c->buttonText(ControlInput::ChangeColour), "Pad button 4");
    EXPECT_EQ(c->buttonText(ControlInput::Up), "");

    pad.buttonNames[0] = "Cross";
    EXPECT_EQ(c->buttonText(ControlInput::Fire), "Cross");
    pad.buttonNames[0] = "Trigger 5";
    EXPECT_EQ(c->buttonText(ControlInput::Fire), "Trigger 5");
    pad.buttonNames[0] = "B 99999999999999";
    EXPECT_EQ(c->buttonText(ControlInput::Fire), "B 99999999999999");
    pad.buttonNames[1] = "Two  words 1";
    EXPECT_EQ(c->buttonText(ControlInput::Button2), "Two  words 2");
}

TEST_F(JoystickControlsTest, IdIsNameAndHandleInHexadecimal)
{
    FakePad& pad = driver.addPad("Game Pad");
    driver.install();
    LogCapture log;
    JoystickControls c(driver.handle(pad), false);
    std::string expected =
        fmt::format("Game Pad {:x}", reinterpret_cast<std::uintptr_t>(driver.handle(pad)));
    EXPECT_EQ(c.id(), expected);
    JoystickControls quiet(driver.handle(pad), true);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Init JoystickControls " + expected}));
}

}
