#include <gtest/gtest.h>

#include "frame/app_globals.h"
#include "media/bitmap_wrapper.h"
#include "media/colour.h"
#include "media/sound.h"
#include "menus/audio_menu.h"
#include "menu_test_environment.h"

namespace {

class AudioScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedVolumes = mixerVolumes;
        setMixerVolume(musicMixerKey, 100);
        setMixerVolume(effectsMixerKey, 60);
    }
    void TearDown() override { mixerVolumes = savedVolumes; }

    MenuTestEnvironment env;
    std::map<int, int> savedVolumes;
};

// Every change is heard and written in the update that makes it, wraps included.
TEST_F(AudioScreenTest, VolumesAreAppliedAndSavedWhileTheScreenIsOpen)
{
    AudioScreen screen(&defaultMenuLayout, 760);
    EXPECT_EQ(env.texts(screen.menu), (std::vector<std::string>{"Audio settings", "Music volume: 100",
                                                                "Sound effects volume: 60", "Back"}));

    auto tap = [&](int key) {
        env.settle(screen.menu);
        env.held = {key};
        screen.update(1079);
        env.held.clear();
        screen.update(1079);
    };
    tap(ALLEGRO_KEY_RIGHT);
    EXPECT_EQ(getMixerVolume(musicMixerKey), 0);
    EXPECT_EQ(env.savedKeys(), (std::map<std::string, std::string>{{"sound/musicVolume", "0"}}));
    tap(ALLEGRO_KEY_LEFT);
    EXPECT_EQ(getMixerVolume(musicMixerKey), 100);
    EXPECT_EQ(env.savedKeys().at("sound/musicVolume"), "100");

    tap(ALLEGRO_KEY_DOWN);
    EXPECT_EQ(env.savedKeys().count("sound/soundEffectsVolume"), 0u) << "moving writes nothing";
    tap(ALLEGRO_KEY_LEFT);
    EXPECT_EQ(getMixerVolume(effectsMixerKey), 50);
    EXPECT_EQ(env.savedKeys().at("sound/soundEffectsVolume"), "50");
    EXPECT_FALSE(screen.done());

    // The frozen picture stands behind the menu.
    BitmapWrapper canvas(env.canvas(), false);
    auto picture = std::make_shared<BitmapWrapper>(1920, 1080, false);
    al_set_target_bitmap(picture->bitmap);
    al_clear_to_color(al_map_rgb(30, 60, 90));
    screen.render(canvas, picture);
    EXPECT_EQ(toRgb(al_get_pixel(env.canvas(), 5, 5)), (RGB{30, 60, 90}));

    tap(ALLEGRO_KEY_ESCAPE);
    EXPECT_TRUE(screen.done());
}

TEST_F(AudioScreenTest, BackClosesWithoutWritingAndTheHeadingStaysOnScreen)
{
    AudioScreen screen(&defaultMenuLayout, 10);
    EXPECT_EQ(static_cast<CmdButtonText&>(*screen.menu.buttons[0]).x, 0);
    env.choose(screen.menu, "Back");
    screen.update(1079);
    EXPECT_TRUE(screen.done());
    EXPECT_TRUE(env.savedKeys().empty());
}

}
