#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "controls/controls_manager.h"
#include "controls/fake_joystick_driver.h"
#include "controls/keyboard_state.h"
#include "frame/settings.h"
#include "game/game_options.h"
#include "menus/menu_input.h"
#include "menus/menu_layout.h"
#include "menus/tamwick_menu.h"
#include "support/log_capture.h"
#include "support/scripted_controls.h"

// Menus on a fake keyboard (keys in `held` are down) and a controls manager of
// the four keyboard layouts plus the pads the test adds to `driver` before
// makeControls(). Repeat pace, key edges and game options start afresh.
class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        setKeyStateReader([this](int key) { return held.count(key) > 0; });
        resetMenuInputEdges();
        menuRepeatInterval = 10;
        menuRepeatCount = 0;
        savedMode = menuControlMode;
        menuControlMode = 2;
        gameOptions = GameOptions{};
        fillMenuLayouts();
    }
    void TearDown() override
    {
        controlsManager.reset();
        setKeyStateReader({});
        resetMenuInputEdges();
        menuControlMode = savedMode;
        gameOptions = GameOptions{};
    }

    void makeControls()
    {
        joystickDriverPending = true;
        controlsManager = std::make_unique<ControlsManager>();
    }
    // A controller after the keyboard layouts.
    std::shared_ptr<ScriptedControls> addController()
    {
        if (!controlsManager)
            makeControls();
        auto c = std::make_shared<ScriptedControls>();
        controlsManager->controls.push_back(c);
        return c;
    }
    static void step(TamwickMenu& menu, int n = 1)
    {
        for (int i = 0; i < n; ++i)
            menu.update(1079);
    }
    // A new menu reads no input for its first 10 updates.
    static void settle(TamwickMenu& menu) { step(menu, 10); }

    FakeJoystickDriver driver;
    LogCapture log;
    std::set<int> held;
    int savedMode = 2;
};
