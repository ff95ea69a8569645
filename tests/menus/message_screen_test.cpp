#include <gtest/gtest.h>

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include "frame/display/display.h"
#include "media/fonts.h"
#include "menu_fixture.h"
#include "menus/message_screen.h"
#include "support/allegro_environment.h"

namespace {

using MessageScreens = MenuFixture;

const std::vector<std::string> quitLines{"Confirm quit to desktop", "ENTER or bomb button: quit",
                                         "ESC or button 2: don't quit"};

// Updates as the screen loop would: until the screen is done.
void run(MessageScreen& screen, int n = 1)
{
    for (int i = 0; i < n && !screen.done(); ++i)
        screen.update();
}

TEST_F(MessageScreens, AKeyOrFireHeldAsTheScreenOpensMustBeLetGoFirst)
{
    TamwickMenu menu(&defaultMenuLayout, noMenuCloseAction);
    std::unique_ptr<MessageScreen> opened;
    menu.addAction(0, "Quit to desktop", [&] {
        opened = std::make_unique<MessageScreen>(quitLines, ALLEGRO_KEY_ENTER, ALLEGRO_KEY_ESCAPE);
        run(*opened, 5);
    });
    settle(menu);
    held = {ALLEGRO_KEY_ENTER};
    step(menu);
    ASSERT_NE(opened, nullptr);
    EXPECT_FALSE(opened->done());
    run(*opened, 30);
    EXPECT_FALSE(opened->done()) << "still the same press";
    held.clear();
    run(*opened);
    EXPECT_FALSE(opened->done());
    held = {ALLEGRO_KEY_ENTER};
    run(*opened);
    EXPECT_TRUE(opened->done());
    EXPECT_TRUE(opened->result());

    // A controller's fire held from the game counts as Enter, never seen by a menu.
    held.clear();
    auto pad = addController();
    pad->fireDown = true;
    MessageScreen screen({"Error while generating player positions."}, ALLEGRO_KEY_ENTER, -1);
    run(screen, 10);
    EXPECT_FALSE(screen.done());
    pad->fireDown = false;
    run(screen);
    pad->fireDown = true;
    run(screen);
    EXPECT_TRUE(screen.done());
}

TEST_F(MessageScreens, TheSecondKeyAnswersNoAndTheFirstWinsATie)
{
    MessageScreen onlyEnter({"Only Enter"}, ALLEGRO_KEY_ENTER, -1);
    run(onlyEnter);
    held = {ALLEGRO_KEY_ESCAPE};
    run(onlyEnter, 3);
    EXPECT_FALSE(onlyEnter.done()) << "without a second key Escape does nothing";

    held.clear();
    resetMenuInputEdges();
    auto pad = addController();
    MessageScreen confirm(quitLines, ALLEGRO_KEY_ENTER, ALLEGRO_KEY_ESCAPE);
    run(confirm);
    pad->button2Down = true;
    run(confirm);
    EXPECT_TRUE(confirm.done());
    EXPECT_FALSE(confirm.result()) << "button 2 is Escape";

    pad->button2Down = false;
    resetMenuInputEdges();
    MessageScreen both({"Both"}, ALLEGRO_KEY_Y, ALLEGRO_KEY_ESCAPE);
    run(both);
    held = {ALLEGRO_KEY_Y, ALLEGRO_KEY_ESCAPE};
    run(both);
    EXPECT_TRUE(both.done());
    EXPECT_TRUE(both.result());
}

TEST_F(MessageScreens, TheProfilingScreenEndsOnAnEscapePressThatIsThenSpent)
{
    ProfileScreen screen(0.5, 0.25);
    held = {ALLEGRO_KEY_A, ALLEGRO_KEY_ENTER};
    screen.update();
    EXPECT_FALSE(screen.done());
    held = {ALLEGRO_KEY_ESCAPE};
    screen.update();
    EXPECT_TRUE(screen.done());
    EXPECT_FALSE(isMenuInputPressed(ALLEGRO_KEY_ESCAPE, menuControlMode, false))
        << "the menu beneath does not see the same press";
}

// Lines drawn with Allegro's built-in font into a memory canvas.
TEST_F(MessageScreens, LinesStandCentredAboveTheMiddle)
{
    ensureAllegroSystem();
    if (!al_is_font_addon_initialized())
        al_init_font_addon();
    std::unique_ptr<ALLEGRO_FONT, void (*)(ALLEGRO_FONT*)> builtin(al_create_builtin_font(), al_destroy_font);
    ALLEGRO_FONT* savedFont = std::exchange(font30, builtin.get());
    BitmapPtr savedCanvas = std::exchange(screenBitmap, std::make_shared<BitmapWrapper>(1920, 1080, false));
    MessageScreen(quitLines, ALLEGRO_KEY_ENTER, -1).render();

    // "Confirm quit to desktop" is 23 characters of 8 pixels around x 960.
    std::vector<int> rows;
    int left = 1920;
    for (int y = 0; y < 1080; ++y)
        for (int x = 0; x < 1920; ++x) {
            unsigned char r, g, b;
            al_unmap_rgb(al_get_pixel(screenBitmap->bitmap, x, y), &r, &g, &b);
            if (r != 255 || g != 255 || b != 255)
                continue;
            if (rows.empty() || y > rows.back() + 20)
                rows.push_back(y);
            if (y < 460)
                left = std::min(left, x);
        }
    EXPECT_EQ(rows, (std::vector<int>{452, 496, 540}));
    EXPECT_GE(left, 960 - 92);
    screenBitmap = savedCanvas;
    font30 = savedFont;
}

}
