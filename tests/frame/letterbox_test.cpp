#include <gtest/gtest.h>

#include <cstdlib>

#include "frame/display.h"

TEST(Letterbox, KnownCases)
{
    EXPECT_EQ(letterboxRect(1920, 1200, 1920, 1080), (Rect{0, 60, 1920, 1080}));
    EXPECT_EQ(letterboxRect(1024, 768, 640, 960), (Rect{256, 0, 512, 768}));
    EXPECT_EQ(letterboxRect(1280, 720, 1920, 1080), (Rect{0, 0, 1280, 720}));
    EXPECT_EQ(letterboxRect(640, 480, 640, 480), (Rect{0, 0, 640, 480}));
}

TEST(Letterbox, EveryLogicalSizeFitsCentredWithItsAspectOnEveryDisplay)
{
    const Vector2 displays[] = {{1920, 1080}, {1920, 1200}, {1024, 768}, {1280, 1024}, {3440, 1440},
                                {800, 600},   {640, 480},   {1366, 768}, {1080, 1920}, {2560, 1600},
                                {1001, 777}};
    ASSERT_EQ(screenSizes.size(), 5u);
    for (const auto& [id, logical] : screenSizes) {
        for (const Vector2& d : displays) {
            Rect r = letterboxRect(d.x, d.y, logical.x, logical.y);
            SCOPED_TRACE(testing::Message() << "size " << id << " on " << d.x << "x" << d.y);
            // Inside the backbuffer, filling it one way, centred to a pixel.
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.width <= d.x && r.y + r.height <= d.y);
            EXPECT_TRUE(r.width == d.x || r.height == d.y);
            EXPECT_LE(std::abs((d.x - r.width - r.x) - r.x), 1);
            EXPECT_LE(std::abs((d.y - r.height - r.y) - r.y), 1);
            double want = double(logical.x) / logical.y;
            if (r.width == d.x)
                EXPECT_NEAR(r.height, d.x / want, 1.0);
            else
                EXPECT_NEAR(r.width, d.y * want, 1.0);
        }
    }
}

