#include <gtest/gtest.h>

#include "frame/version.h"

TEST(Version, PacksMajorMinorPatch)
{
    EXPECT_EQ(versionString(0x1001002), "1.1.2");
    EXPECT_EQ(versionString(0x3000000), "3.0.0");
}
