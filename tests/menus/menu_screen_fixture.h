#pragma once
#include <functional>

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/quit_request.h"
#include "frame/screen_size.h"
#include "media/bitmap_wrapper.h"
#include "media/primitives.h"
#include "menu_fixture.h"
#include "support/allegro_environment.h"

// A screen driven headless: the keyboard as the only menu input and a memory
// canvas as the screen bitmap.
class MenuScreenTest : public MenuFixture {
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        ensureAllegroSystem();
        initPrimitives();
        menuControlMode = 0;
        savedScreen_ = screenBitmap;
        clearQuitRequest();
        useScreen(640, 480);
    }
    void TearDown() override
    {
        screenBitmap = savedScreen_;
        MenuFixture::TearDown();
    }

    void useScreen(int width, int height)
    {
        screenWidth = width;
        screenHeight = height;
        screenBitmap = std::make_shared<BitmapWrapper>(width, height, false);
    }
    static void run(const std::function<void()>& update, int updates)
    {
        for (int i = 0; i < updates; ++i)
            update();
    }
    // Holds the key for one update between two waits longer than a menu's
    // ten-update pause.
    void tap(int key, const std::function<void()>& update)
    {
        run(update, 12);
        held.insert(key);
        update();
        held.erase(key);
        run(update, 12);
    }

private:
    BitmapPtr savedScreen_;
};
