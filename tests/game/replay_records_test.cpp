#include <gtest/gtest.h>

#include <sstream>

#include "game/replay_records.h"
#include "failed_record_check.h"
#include "support/checks.h"

namespace {

PackagedReplayData playingFrom(std::stringstream& bytes, int version = replayOutputVersion)
{
    PackagedReplayData playing;
    playing.replayInput = &bytes;
    playing.playing = true;
    playing.replayInputVersion = version;
    return playing;
}

TEST(ReplayRecords, TheInputByteHoldsTwoDirectionsFireAndButton2)
{
    EXPECT_EQ(encodeInputByte({-1, -1, true, true}), 0x3F);
    EXPECT_EQ(encodeInputByte({0, 1, true, false}), 0x14);
    const InputRecord all = decodeInputByte(0x3F, true);
    EXPECT_EQ(all.xDir, -1);
    EXPECT_EQ(all.yDir, -1);
    EXPECT_TRUE(all.fire && all.button2);
    EXPECT_FALSE(decodeInputByte(0x3F, false).button2);
    // The invalid two-bit value comes back for the caller to refuse; bits 6 and 7 mean nothing.
    EXPECT_EQ(decodeInputByte(0xC2, true).xDir, 2);
    EXPECT_EQ(decodeInputByte(0xC4, true).yDir, 1);
}

TEST(ReplayRecords, FrameRecordsReadBackAndCheckTheirTags)
{
    std::stringstream bytes;
    PackagedReplayData recording;
    recording.replayOutput = &bytes;
    recording.recording = true;
    writeInputRecord(recording, 130, {1, 0, false, false});
    writeAuctionRecord(recording, 21);
    writeWallRecord(recording, 5);
    writeSnakeSpeedRecord(recording, 10);
    writeFlagScoreRecord(recording, 300);
    EXPECT_EQ(bytes.str(), std::string("\x82\x01" "A\x15" "B\x05" "\x0a" "\x2c\x01\x00\x00", 11));

    PackagedReplayData playing = playingFrom(bytes);
    EXPECT_EQ(readRecordByte(playing), playerNumberByte(130));
    EXPECT_EQ(readRecordByte(playing), 0x01);
    EXPECT_EQ(readAuctionRecord(playing), 21);
    EXPECT_EQ(readWallRecord(playing), 5);
    EXPECT_EQ(readSnakeSpeedRecord(playing), 10);
    EXPECT_EQ(readFlagScoreRecord(playing), 300);

    // A tag that is not its record's is a damaged file, logged as it is raised.
    bytes.str("B\x01");
    bytes.clear();
    EXPECT_EQ(failedRecordCheckOf([&] { readAuctionRecord(playing); }),
              "Assertion failed: 'c == 'A'' at line 1564\nreplayInput pos 1\n");
    bytes.str("A\x01");
    bytes.clear();
    EXPECT_EQ(failedRecordCheckOf([&] { readWallRecord(playing); }),
              "Assertion failed: 'c == 'B'' at line 1400\nreplayInput pos 1\n");
}

TEST(ReplayRecords, OldFilesKeepTheFlagScoreInOneUnsignedByteAndShortReadsEndTheFile)
{
    std::stringstream old("\xC8");
    PackagedReplayData playing = playingFrom(old, 0x1000009);
    EXPECT_EQ(readFlagScoreRecord(playing), 200);

    std::stringstream shortScore("\x01");
    playing = playingFrom(shortScore);
    EXPECT_THROW(readFlagScoreRecord(playing), std::ios_base::failure);
    EXPECT_TRUE(shortScore.eof());

    PackagedReplayData none;
    EXPECT_EQ(thrownBy([&] { readRecordByte(none); }), "File not open for reading");
    EXPECT_EQ(thrownBy([&] { writeFlagScoreRecord(none, 7); }), "File not open for writing - data: 7");
}

}
