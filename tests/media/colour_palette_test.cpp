#include <gtest/gtest.h>

#include <cmath>

#include "frame/accessibility_settings.h"
#include "media/background_colour.h"
#include "media/colour.h"
#include "media/palette.h"
#include "support/allegro_environment.h"

namespace {

class PaletteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureAllegroSystem();
        savedBackground_ = accessibilitySettings.bgcol;
        accessibilitySettings.bgcol = 1;
        paletteDirty = true;
    }
    void TearDown() override { accessibilitySettings.bgcol = savedBackground_; }

private:
    int savedBackground_ = 0;
};

ALLEGRO_COLOR rgb(int r, int g, int b)
{
    return al_map_rgb(r, g, b);
}

}

TEST(ColourDistance, RedMeanWeightedInIntegerSteps)
{
    ensureAllegroSystem();
    EXPECT_EQ(colourDistance(rgb(10, 20, 30), rgb(10, 20, 30)), 0.0f);
    // The red and blue terms are shifted down in integer arithmetic: (512 * 1) >> 8 = 2.
    EXPECT_FLOAT_EQ(colourDistance(rgb(1, 0, 0), rgb(0, 0, 0)), std::sqrt(2.0f));
    EXPECT_FLOAT_EQ(colourDistance(rgb(0, 1, 0), rgb(0, 0, 0)), 2.0f);
    // Black to white: 162308 + 260100 + 162562.
    EXPECT_FLOAT_EQ(colourDistance(rgb(0, 0, 0), rgb(255, 255, 255)), std::sqrt(584970.0f));
    // The red mean weighs red more among reds, blue more among dark colours.
    EXPECT_GT(colourDistance(rgb(255, 0, 0), rgb(205, 0, 0)), colourDistance(rgb(50, 0, 0), rgb(0, 0, 0)));
    EXPECT_LT(colourDistance(rgb(255, 0, 255), rgb(255, 0, 205)), colourDistance(rgb(0, 0, 50), rgb(0, 0, 0)));
}

TEST_F(PaletteTest, StartsWithTheFixedColoursAvoidsTheBackgroundAndRepeats)
{
    std::vector<RGB> palette = buildColourPalette();
    ASSERT_EQ(palette.size(), 100u);
    const std::vector<RGB> fixed{{192, 192, 192}, {255, 0, 0},    {0, 255, 0},  {0, 0, 255},
                                 {255, 255, 0},   {255, 16, 255}, {0, 255, 255}};
    EXPECT_EQ(std::vector<RGB>(palette.begin(), palette.begin() + 7), fixed);
    for (std::size_t i = 7; i < palette.size(); ++i) {
        EXPECT_GE(colourDistance(toColour(palette[i]), getBackgroundColour()), 150.0f) << i;
        EXPECT_NE(palette[i], (RGB{255, 0, 255})) << "the transparency key is no player colour";
    }
    // The same seed every time: the random part is pinned so that looks never drift.
    paletteDirty = true;
    EXPECT_EQ(buildColourPalette(), palette);
    EXPECT_EQ(palette[7], (RGB{140, 151, 183}));
    EXPECT_EQ(palette[99], (RGB{9, 41, 130}));
}

TEST_F(PaletteTest, RebuiltWhenTheBackgroundChangesOrItIsMarkedDirty)
{
    std::vector<RGB> green = buildColourPalette();
    // Menu edits persist while nothing forces a rebuild.
    playerColours[3] = {1, 2, 3};
    EXPECT_EQ(buildColourPalette()[3], (RGB{1, 2, 3}));

    accessibilitySettings.bgcol = 2;
    std::vector<RGB> red = buildColourPalette();
    EXPECT_EQ(red[3], (RGB{0, 0, 255}));
    for (std::size_t i = 7; i < red.size(); ++i)
        EXPECT_GE(colourDistance(toColour(red[i]), al_map_rgb(100, 0, 0)), 150.0f) << i;

    // Only the last background is remembered: going back rebuilds again.
    accessibilitySettings.bgcol = 1;
    EXPECT_EQ(buildColourPalette(), green);

    playerColours[3] = {1, 2, 3};
    paletteDirty = true;
    EXPECT_EQ(buildColourPalette()[3], (RGB{0, 0, 255}));
    EXPECT_FALSE(paletteDirty);
}
