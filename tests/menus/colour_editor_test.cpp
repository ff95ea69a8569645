#include <gtest/gtest.h>

#include "frame/app_globals.h"
#include "frame/quit_request.h"
#include "media/bitmap_wrapper.h"
#include "media/colour.h"
#include "menus/colour_editor.h"
#include "menu_test_environment.h"

namespace {

class ColourEditorTest : public ::testing::Test {
protected:
    static void run(ColourEditor& editor, int updates)
    {
        while (updates-- > 0)
            editor.update(1079);
    }
    RGB sample(ColourEditor& editor)
    {
        BitmapWrapper canvas(env.canvas(), false);
        editor.render(canvas);
        return toRgb(al_get_pixel(env.canvas(), 550, 250));
    }

    MenuTestEnvironment env;
};

// Escape does nothing; only "Apply & Back" stores the edit and leaves.
TEST_F(ColourEditorTest, EditsWithTheArrowsAndLeavesOnlyByApplying)
{
    ALLEGRO_COLOR colour = al_map_rgb(10, 20, 30);
    ColourEditor editor(colour, 1920 / 2 - 100);
    EXPECT_EQ(env.texts(editor.menu), (std::vector<std::string>{"Red: 10", "Green: 20", "Blue: 30", "Apply & Back",
                                                                "Reset"}));
    EXPECT_EQ(sample(editor), (RGB{10, 20, 30}));

    env.settle(editor.menu);
    env.held = {ALLEGRO_KEY_RIGHT};
    run(editor, 11);
    EXPECT_EQ(editor.red, 16) << "one step at once, then one every two updates";
    env.held = {ALLEGRO_KEY_ESCAPE};
    run(editor, 20);
    EXPECT_FALSE(editor.done());

    env.select(editor.menu, "Blue");
    env.tap(editor.menu, ALLEGRO_KEY_LEFT);
    EXPECT_EQ(sample(editor), (RGB{16, 20, 29}));
    EXPECT_EQ(toRgb(colour), (RGB{10, 20, 30})) << "nothing stored before Apply";

    env.choose(editor.menu, "Reset");
    EXPECT_EQ(editor.red, 10);
    EXPECT_EQ(editor.blue, 30);
    EXPECT_FALSE(editor.done());

    editor.green = 0;
    env.select(editor.menu, "Green");
    env.tap(editor.menu, ALLEGRO_KEY_LEFT);
    EXPECT_EQ(editor.green, 255) << "wraps below 0 to 255";
    env.choose(editor.menu, "Apply & Back");
    EXPECT_TRUE(editor.done());
    EXPECT_EQ(toRgb(colour), (RGB{10, 255, 30}));
}

TEST_F(ColourEditorTest, ClosingTheWindowLeavesTheColourAsItWas)
{
    ALLEGRO_COLOR colour = al_map_rgb(1, 2, 3);
    ColourEditor editor(colour, 100);
    editor.red = 200;
    requestQuit();
    EXPECT_TRUE(editor.done());
    EXPECT_EQ(toRgb(colour), (RGB{1, 2, 3}));
}

}
