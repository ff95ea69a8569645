#include <gtest/gtest.h>

#include "frame/display/display.h"

TEST(Letterbox, KnownCases)
{
    EXPECT_EQ(letterboxRect(1920, 1200, 1920, 1080), (Rect{0, 60, 1920, 1080}));
    EXPECT_EQ(letterboxRect(1024, 768, 640, 960), (Rect{256, 0, 512, 768}));
    EXPECT_EQ(letterboxRect(1280, 720, 1920, 1080), (Rect{0, 0, 1280, 720}));
    EXPECT_EQ(letterboxRect(640, 480, 640, 480), (Rect{0, 0, 640, 480}));
}
