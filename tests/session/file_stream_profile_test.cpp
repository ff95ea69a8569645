#include <gtest/gtest.h>

#include "frame/user_data_folder.h"
#include "session/file_stream_profile.h"
#include "session/session_screens.h"
#include "support/temp_folder.h"

namespace {

TEST(FileStreamProfile, WritesBothTestFilesWholeAndTimesThem)
{
    TempDataHome home;
    std::vector<std::string> shown;
    sessionScreens.msgScreenDraw = [&](std::vector<std::string> lines) { shown.push_back(lines.at(0)); };
    double seconds[2] = {-1, -1};
    profileFileStreams(seconds);
    sessionScreens = defaultSessionScreens();
    for (const char* name : {"0.test.bin", "1.test.bin"}) {
        const auto path = std::filesystem::path(getUserDataFolder()) / name;
        ASSERT_TRUE(std::filesystem::exists(path)) << name;
        EXPECT_EQ(std::filesystem::file_size(path), 524288u) << name;
    }
    EXPECT_GE(seconds[0], 0.0);
    EXPECT_GE(seconds[1], 0.0);
    EXPECT_EQ(shown, (std::vector<std::string>{"Testing unbuffered file performance",
                                               "Testing buffered file performance"}));
    const std::string bytes = readFile(std::filesystem::path(getUserDataFolder()) / "0.test.bin");
    EXPECT_EQ(bytes.substr(4, 4), std::string("\x01\x00\x00\x00", 4));
}

}
