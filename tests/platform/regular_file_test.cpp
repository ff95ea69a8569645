#include <gtest/gtest.h>

#include <string>

#include "platform/regular_file.h"
#include "support/temp_folder.h"

namespace {

using platform::FileReadState;
using platform::readRegularFile;

class RegularFile : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = (folder.path() / "file").string();
};

// The limit is the most a file may hold: a file of exactly that size is read
// whole, one byte more is refused.
TEST_F(RegularFile, AFileOfExactlyTheLimitIsReadAndOneByteMoreIsNot)
{
    writeFile(path, "0123456789");
    platform::RegularFileRead read = readRegularFile(path, 10);
    EXPECT_EQ(read.state, FileReadState::Read);
    EXPECT_EQ(read.bytes, "0123456789");

    read = readRegularFile(path, 9);
    EXPECT_EQ(read.state, FileReadState::Unreadable);
    EXPECT_EQ(read.reason, "it is larger than 9 bytes");
    EXPECT_EQ(read.bytes, "");

    writeFile(path, "");
    read = readRegularFile(path, 0);
    EXPECT_EQ(read.state, FileReadState::Read);
    EXPECT_EQ(read.bytes, "");
    EXPECT_EQ(readRegularFile(path + ".none", 10).state, FileReadState::Missing);
}

// A large file is held once, with room for one look past its end: never
// twice its size, which a replay of hundreds of megabytes would keep through
// its whole round.
TEST_F(RegularFile, AFileIsHeldInLittleMoreThanItsOwnSize)
{
    const std::size_t size = 4 << 20;
    writeFile(path, std::string(size, 'r'));
    const platform::RegularFileRead read = readRegularFile(path, 1'000'000'000);
    ASSERT_EQ(read.state, FileReadState::Read);
    EXPECT_EQ(read.bytes.size(), size);
    EXPECT_LE(read.bytes.capacity(), size + 65536);
}

}
