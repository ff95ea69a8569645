#include <gtest/gtest.h>

#include "frame/file_stream.h"
#include "frame/lookup_tables.h"
#include "frame/value_key.h"
#include "support/checks.h"
#include "support/temp_folder.h"

namespace {

class FileStreamTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path path = folder.path() / "values.bin";
};

TEST_F(FileStreamTest, ValuesHaveFixedLittleEndianLayouts)
{
    {
        std::ofstream out(path, std::ios::binary);
        File::writeUint8(out, 0xAB);
        File::writeInt8(out, true);
        File::writeInt8(out, -2);
        File::writeIntAsInt8(out, 300);
        File::writeInt32(out, 0x01020304);
        File::writeOptionalInt32(out, -1);
    }
    EXPECT_EQ(readFile(path), std::string("\xAB\x01\xFE\x2C\x04\x03\x02\x01\xFF\xFF\xFF\xFF", 12));

    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(File::readUint8(in), 0xAB);
    EXPECT_TRUE(File::readUint8_2(in));
    EXPECT_EQ(File::readInt8AsInt(in), -2);
    EXPECT_EQ(File::readOptionalInt8AsInt(in), 44);
    EXPECT_EQ(File::readInt32(in), 0x01020304);
    EXPECT_EQ(File::readOptionalInt32(in), -1);
}

TEST_F(FileStreamTest, EverySignedByteRoundTrips)
{
    {
        std::ofstream out(path, std::ios::binary);
        for (int value = -128; value <= 127; ++value)
            File::writeIntAsInt8(out, value);
    }
    std::string bytes = readFile(path);
    ASSERT_EQ(bytes.size(), 256u);
    std::ifstream in(path, std::ios::binary);
    for (int value = -128; value <= 127; ++value) {
        EXPECT_EQ(std::uint8_t(bytes[std::size_t(value + 128)]), std::uint8_t(value)) << value;
        EXPECT_EQ(File::readInt8AsInt(in), value);
    }
}

TEST_F(FileStreamTest, ClosedStreamsThrowWithTheValueInTheMessage)
{
    std::ofstream out(folder.path() / "missing" / "x.bin", std::ios::binary);
    EXPECT_EQ(thrownBy([&] { File::writeInt32(out, 1234); }), "File not open for writing - data: 1234");
    EXPECT_EQ(thrownBy([&] { File::writeIntAsInt8(out, -5); }), "File not open for writing - data: -5");
    EXPECT_EQ(thrownBy([&] { File::writeUint8(out, 'A'); }), "File not open for writing - data: A");
    EXPECT_EQ(thrownBy([&] { File::writeInt8(out, 'z'); }), "File not open for writing - data: z");

    std::ifstream in(folder.path() / "nothing.bin", std::ios::binary);
    EXPECT_EQ(thrownBy([&] { File::readInt32(in); }), "File not open for reading");
    EXPECT_THROW(File::writeOptionalInt32(out, std::nullopt), std::bad_optional_access);

    // Short reads follow the stream's exception mask.
    writeFile(path, "ab");
    std::ifstream shortFile(path, std::ios::binary);
    shortFile.exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
    EXPECT_THROW(File::readInt32(shortFile), std::ios_base::failure);
}

TEST(ValueKey, FindsTheFacingOfAStepOrNamesTheMissingValue)
{
    EXPECT_EQ(valueKey(Vector2{0, 1}, directionTable), Facing::Down);
    EXPECT_EQ(valueKey(Vector2{-1, 0}, directionTable), Facing::Left);
    EXPECT_EQ(thrownBy([] { valueKey(Vector2{2, 2}, directionTable); }), "valueKey: value '{2,2}' not found");
}

}
