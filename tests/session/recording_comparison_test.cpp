#include <gtest/gtest.h>

#include "support/recording_comparison.h"
#include "support/temp_folder.h"

namespace {

class RecordingComparison : public ::testing::Test {
protected:
    RoundOutcome recorded(const std::string& name, const std::string& bytes, const std::string& verifyZ)
    {
        RoundOutcome round;
        round.replayPath = (folder.path() / name).string();
        writeFile(round.replayPath, bytes);
        if (!verifyZ.empty())
            writeFile(round.replayPath + ".verifyZ", verifyZ);
        return round;
    }

    TempFolder folder;
};

TEST_F(RecordingComparison, TwoRecordingsAreTheSameOnlyWhenBothAreThereAndAgree)
{
    const RoundOutcome first = recorded("0.1.1.2.replay", "frames", "text");
    EXPECT_TRUE(sameRecordings(first, recorded("1.1.1.2.replay", "frames", "text")));
    EXPECT_FALSE(sameRecordings(first, recorded("2.1.1.2.replay", "frameS", "text")));
    EXPECT_FALSE(sameRecordings(first, recorded("3.1.1.2.replay", "frames", "texT")));
    EXPECT_FALSE(sameRecordings(first, recorded("4.1.1.2.replay", "frames", "")));
    writeFile(folder.path() / "5.1.1.2.replay.verify", "text");
    EXPECT_FALSE(sameRecordings(first, recorded("5.1.1.2.replay", "frames", "text")));
}

// A first recording that was removed leaves its name to the second: the two
// are one file, and a recording that is not there is never the same.
TEST_F(RecordingComparison, ARecordingThatIsNotThereIsNeverTheSame)
{
    RoundOutcome removed;
    removed.replayPath = (folder.path() / "0.1.1.2.replay").string();
    removed.replaySaved = false;
    RoundOutcome missing = removed;
    EXPECT_FALSE(sameRecordings(removed, missing));

    const RoundOutcome second = recorded("0.1.1.2.replay", "frames", "text");
    EXPECT_FALSE(sameRecordings(removed, second));
    EXPECT_FALSE(sameRecordings(second, second));
    RoundOutcome unsaved = recorded("1.1.1.2.replay", "frames", "text");
    unsaved.replaySaved = false;
    EXPECT_FALSE(sameRecordings(second, unsaved));
}

}
