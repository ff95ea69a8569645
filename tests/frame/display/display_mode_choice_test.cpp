#include <gtest/gtest.h>

#include "frame/display/display_mode_choice.h"

namespace {

TEST(DisplayModeChoice, ListedSizesUnlistedOnesScanDownAndTheDesktopIsTheFallback)
{
    const std::vector<DisplayModeInfo> modes = {
        {640, 480, 0, 60}, {1280, 720, 0, 60}, {1600, 900, 0, 60}, {1920, 1080, 0, 60}, {2560, 1440, 0, 60}};
    EXPECT_EQ(chooseDisplayMode(1280, 720, true, 1920, 1080, modes), (DisplayModeChoice{1280, 720, true}));
    EXPECT_EQ(chooseDisplayMode(1280, 720, false, 1920, 1080, modes), (DisplayModeChoice{1280, 720, false}));
    // From the second to last mode down to the first below the desktop; the last is never considered.
    EXPECT_EQ(chooseDisplayMode(1000, 700, true, 1920, 1080, modes), (DisplayModeChoice{1600, 900, true}));
    EXPECT_EQ(chooseDisplayMode(1000, 700, true, 4000, 3000, modes), (DisplayModeChoice{1920, 1080, true}));
    EXPECT_EQ(chooseDisplayMode(0, 0, false, 1920, 1080, modes), (DisplayModeChoice{1920, 1080, false}));
    EXPECT_EQ(chooseDisplayMode(0, 0, true, 600, 400, modes), (DisplayModeChoice{600, 400, false}));
    EXPECT_EQ(chooseDisplayMode(800, 600, true, 1920, 1080, {}), (DisplayModeChoice{1920, 1080, false}));
}

}
