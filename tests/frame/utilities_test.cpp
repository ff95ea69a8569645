#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "frame/range_map.h"
#include "frame/vector2.h"

namespace {

TEST(RangeMap, MapsLinearlyAndClampsToTheOutputRange)
{
    EXPECT_FLOAT_EQ(mapRangeClamped(0, 0, 255, -1, 1), -1);
    EXPECT_NEAR(mapRangeClamped(128, 0, 255, -1, 1), 0.0039, 1e-4);
    EXPECT_FLOAT_EQ(mapRangeClamped(255, 0, 255, -1, 1), 1);
    EXPECT_FLOAT_EQ(mapRangeClamped(300, 0, 255, -1, 1), 1);
    EXPECT_FLOAT_EQ(mapRangeClamped(-10, 0, 255, -1, 1), -1);
    EXPECT_FLOAT_EQ(mapRangeClamped(2, 0, 10, 100, 0), 80);
    EXPECT_FLOAT_EQ(mapRangeClamped(20, 0, 10, 100, 0), 0);
    EXPECT_FLOAT_EQ(mapRange(20, 0, 10, 100, 0), -100);
    EXPECT_FALSE(std::isfinite(mapRange(1, 3, 3, 0, 1)));
}

TEST(Vector2, PrintsInBraces)
{
    std::ostringstream s;
    s << Vector2{3, -1} << ' ' << std::optional<Vector2>{} << ' ' << std::optional<Vector2>{Vector2{}};
    EXPECT_EQ(s.str(), "{3,-1} nullopt {0,0}");
}

}
