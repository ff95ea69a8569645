#include <gtest/gtest.h>

#include "frame/display_mode_choice.h"

namespace {

const std::vector<DisplayModeInfo> modes = {
    {640, 480, 0, 60}, {1280, 720, 0, 60}, {1600, 900, 0, 60}, {1920, 1080, 0, 60}, {2560, 1440, 0, 60}};

TEST(DisplayModeChoice, AListedSizeIsUsedUnchanged)
{
    EXPECT_EQ(chooseDisplayMode(1280, 720, true, 1920, 1080, modes), (DisplayModeChoice{1280, 720, true}));
    EXPECT_EQ(chooseDisplayMode(1280, 720, false, 1920, 1080, modes), (DisplayModeChoice{1280, 720, false}));
}

TEST(DisplayModeChoice, AnUnlistedWindowedSizeScansDownFromTheSecondToLastMode)
{
    // 1920x1080 (second to last) is not below the desktop; 1600x900 is.
    EXPECT_EQ(chooseDisplayMode(1000, 700, true, 1920, 1080, modes), (DisplayModeChoice{1600, 900, true}));
    // The last mode is never considered, even when it would fit.
    EXPECT_EQ(chooseDisplayMode(1000, 700, true, 4000, 3000, modes), (DisplayModeChoice{1920, 1080, true}));
}

TEST(DisplayModeChoice, FullscreenOrNothingSmallerFallsBackToTheDesktop)
{
    EXPECT_EQ(chooseDisplayMode(0, 0, false, 1920, 1080, modes), (DisplayModeChoice{1920, 1080, false}));
    EXPECT_EQ(chooseDisplayMode(0, 0, true, 600, 400, modes), (DisplayModeChoice{600, 400, false}));
    EXPECT_EQ(chooseDisplayMode(800, 600, true, 1920, 1080, {}), (DisplayModeChoice{1920, 1080, false}));
}

}
