#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "controls/keyboard_state.h"
#include "frame/app_globals.h"
#include "frame/quit_request.h"
#include "frame/display.h"
#include "frame/screen_size.h"
#include "frame/settings.h"
#include "game/game_options.h"
#include "media/bitmap_wrapper.h"
#include "menus/menu_input.h"
#include "media/primitives.h"
#include "support/allegro_environment.h"

// A screen driven headless: a fake keyboard (keys in `held` are down), a
// memory canvas as the screen bitmap and the keyboard as the only menu input.
class MenuScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureAllegroSystem();
        initPrimitives();
        setKeyStateReader([this](int key) { return held.count(key) > 0; });
        resetMenuInputEdges();
        savedMode_ = menuControlMode;
        menuControlMode = 0;
        savedOptions_ = gameOptions;
        gameOptions = GameOptions{};
        savedScreen_ = screenBitmap;
        clearQuitRequest();
        useScreen(640, 480);
    }
    void TearDown() override
    {
        setKeyStateReader({});
        resetMenuInputEdges();
        menuControlMode = savedMode_;
        gameOptions = savedOptions_;
        screenBitmap = savedScreen_;
    }

    // A memory canvas of this size becomes the screen bitmap.
    void useScreen(int width, int height)
    {
        screenWidth = width;
        screenHeight = height;
        screenBitmap = std::make_shared<BitmapWrapper>(width, height, false);
    }

    // Runs `update` this many times.
    static void run(const std::function<void()>& update, int updates)
    {
        for (int i = 0; i < updates; ++i)
            update();
    }
    // Lets a menu settle, holds the key for one update, releases it and lets
    // the menu settle again (a menu reads nothing for ten updates after it
    // acted or opened).
    void tap(int key, const std::function<void()>& update)
    {
        run(update, 12);
        held.insert(key);
        update();
        held.erase(key);
        run(update, 12);
    }

    std::set<int> held;

private:
    int savedMode_ = 2;
    GameOptions savedOptions_;
    BitmapPtr savedScreen_;
};
