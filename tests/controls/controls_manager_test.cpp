#include <gtest/gtest.h>

#include <algorithm>

#include "controls/controls_manager.h"
#include "controls/keyboard_controls.h"
#include "controls/steam_input_controls.h"
#include "fake_joystick_driver.h"
#include "frame/names.h"
#include "support/log_capture.h"
#include "support/checks.h"
#include "support/program_runner.h"

namespace {

using ControlsList = std::vector<std::shared_ptr<Controls>>;

class ControlsManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        joystickDriverPending = true;
        setHeldControlsSource([this] { return held; });
    }
    void TearDown() override { setHeldControlsSource({}); }

    // A player of the running game holding these controls.
    void addPlayer(int num, std::shared_ptr<Controls> controls)
    {
        held.push_back({num, std::move(controls)});
    }

    std::vector<HeldControls> held;

    std::string idOf(FakePad& pad)
    {
        return JoystickControls(driver.handle(pad), true).id();
    }

    int countWrapping(const ControlsManager& m, FakePad& pad)
    {
        return int(std::count_if(m.controls.begin(), m.controls.end(), [&](const auto& c) {
            auto* j = dynamic_cast<JoystickControls*>(c.get());
            return j && j->joystick == driver.handle(pad);
        }));
    }

    FakeJoystickDriver driver;
    LogCapture log;
};

bool isKeyboard(const std::shared_ptr<Controls>& c)
{
    return dynamic_cast<KeyboardControls*>(c.get()) != nullptr;
}

TEST_F(ControlsManagerTest, WithoutControllersOnlyTheFourLayouts)
{
    ControlsManager m;
    EXPECT_EQ(controlsManagerInstance, &m);
    ASSERT_EQ(m.controls.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        auto* k = dynamic_cast<KeyboardControls*>(m.controls[i].get());
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(k->keys, m.layouts[i]);
    }
    EXPECT_EQ(log.lines().front(), "0 controllers detected:");

    // Later detections reconfigure instead of installing again; nothing changed.
    EXPECT_FALSE(m.detectJoysticks());
    EXPECT_EQ(driver.installCalls, 1);
    EXPECT_EQ(driver.reconfigureCalls, 1);
    EXPECT_EQ(m.controls.size(), 4u);
}

TEST_F(ControlsManagerTest, FailedDriverInstallIsReported)
{
    driver.installFails = true;
    EXPECT_EQ(thrownBy([] { ControlsManager m; }), "al_install_joystick failed");
    EXPECT_EQ(controlsManagerInstance, nullptr);
}

TEST_F(ControlsManagerTest, ControllersComeFirstInDriverOrder)
{
    FakePad& a = driver.addPad("Pad A", 2);
    a.sticks.push_back({"Hat", {"H", "V", "Z"}, {}});
    FakePad& b = driver.addPad("Pad B", 1);
    ControlsManager m;

    ASSERT_EQ(m.controls.size(), 6u);
    EXPECT_EQ(m.controls[0]->id(), idOf(a));
    EXPECT_EQ(m.controls[1]->id(), idOf(b));
    EXPECT_NE(idOf(a), idOf(b));
    EXPECT_TRUE(std::all_of(m.controls.begin() + 2, m.controls.end(), isKeyboard));

    EXPECT_TRUE(containsInOrder(
        log.lines(),
        {"2 controllers detected:", "Pad A", "\tSticks:", "\t\tStick 1; Axes: X, Y",
         "\t\tHat; Axes: H, V, Z", "\tButtons: Pad A button 0, Pad A button 1", "Pad B",
         "\tSticks:", "\t\tStick 1; Axes: X, Y", "\tButtons: Pad B button 0",
         "Init JoystickControls " + idOf(a), "Added controller: " + idOf(a),
         "Init JoystickControls " + idOf(b), "Added controller: " + idOf(b)}));
}

TEST_F(ControlsManagerTest, FirstFillStopsAtOneHundred)
{
    for (int i = 0; i < 97; ++i)
        driver.addPad("Pad " + std::to_string(i), 1);
    ControlsManager m;
    ASSERT_EQ(m.controls.size(), 100u);   // the first fill stops there
    EXPECT_EQ(std::count_if(m.controls.begin(), m.controls.end(), isKeyboard), 3);
    EXPECT_EQ(dynamic_cast<KeyboardControls&>(*m.controls[97]).keys, m.layouts[0]);
}

TEST_F(ControlsManagerTest, UnpluggedControllerReturnsToThePlayerWhoKeptIt)
{
    FakePad& a = driver.addPad("Pad A");
    FakePad& b = driver.addPad("Pad B");
    ControlsManager m;
    auto kept = m.controls[0];
    addPlayer(3, kept);
    addPlayer(4, m.controls[1]);

    a.plugged = false;
    EXPECT_TRUE(m.detectJoysticks());
    EXPECT_TRUE(containsInOrder(log.lines(),
                                {"1 controllers detected:", "Pad B", "Lost joystick " + idOf(a),
                                 "1 controls invalidated"}));
    EXPECT_EQ(m.controls.size(), 5u);
    EXPECT_EQ(countWrapping(m, a), 0);
    EXPECT_FALSE(kept->isActive());
    EXPECT_FALSE(m.detectJoysticks());

    a.plugged = true;
    a.buttons[0] = 1;
    EXPECT_TRUE(m.detectJoysticks());
    auto lines = log.lines();
    EXPECT_TRUE(containsInOrder(
        lines, {"2 controllers detected:", "Added controller: " + idOf(a), "Player 3 regained controls"}));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Player 4 regained controls"), 0);

    // The player's own object reads the device again; the manager adds a fresh one at the end.
    EXPECT_EQ(held[0].controls, kept);
    EXPECT_TRUE(kept->isActive());
    EXPECT_TRUE(kept->fire());
    EXPECT_EQ(m.controls.size(), 6u);
    EXPECT_EQ(countWrapping(m, a), 1);
    EXPECT_EQ(countWrapping(m, b), 1);
    EXPECT_NE(m.controls.back(), kept);
    EXPECT_EQ(m.controls.back()->id(), idOf(a));
}

TEST_F(ControlsManagerTest, MenuControlModes)
{
    driver.addPad("Pad A");
    driver.addPad("Pad B");
    ControlsManager m;
    auto a = m.controls[0];
    auto b = m.controls[1];
    addPlayer(1, m.controls[2]);  // a keyboard is never offered, held or not
    EXPECT_FALSE(m.isControlsUsedByAnyPlayer(a));

    EXPECT_TRUE(m.getMenuControls(0, true).empty());
    EXPECT_TRUE(m.getMenuControls(5, true).empty());
    EXPECT_EQ(m.getMenuControls(1, false), (ControlsList{a}));
    EXPECT_EQ(m.getMenuControls(1, true), (ControlsList{a}));
    EXPECT_EQ(m.getMenuControls(2, false), (ControlsList{a, b}));

    addPlayer(2, b);
    EXPECT_TRUE(m.isControlsUsedByAnyPlayer(b));
    EXPECT_EQ(m.getMenuControls(1, false), (ControlsList{a}));
    EXPECT_EQ(m.getMenuControls(1, true), (ControlsList{a, b}));
    EXPECT_EQ(m.getMenuControls(2, true), (ControlsList{a, b}));

    held.back().controls = a;
    EXPECT_EQ(m.getMenuControls(1, true), (ControlsList{a, a}));

    // Each mode does what the settings menu calls it.
    ASSERT_EQ(menuControlModeNames.size(), 3u);
    for (int mode = 0; mode < 3; ++mode) {
        const std::string& name = menuControlModeNames[std::size_t(mode)];
        ControlsList expected;
        if (name == "Keyboard and Controller 1")
            expected = {a};
        else if (name == "Keyboard and any controller")
            expected = {a, b};
        else
            EXPECT_EQ(name, "Keyboard only");
        EXPECT_EQ(m.getMenuControls(mode, false), expected) << name;
    }

    // Steam Input controllers count as controllers too.
    auto steam = std::make_shared<SteamInputControls>();
    m.controls.insert(m.controls.begin(), steam);
    EXPECT_EQ(m.getMenuControls(1, false), (ControlsList{steam}));
    EXPECT_EQ(m.getMenuControls(2, false), (ControlsList{steam, a, b}));
}

}
