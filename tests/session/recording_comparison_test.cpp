#include <gtest/gtest.h>

#include "support/recording_comparison.h"
#include "support/temp_folder.h"

namespace {

// Two recordings are the same only when both are there under names of their
// own and agree in every file. A first recording that was removed leaves its
// name to the second: that is one file, never two that agree.
TEST(RecordingComparison, OnlyTwoRecordingsThatAreThereAndAgreeAreTheSame)
{
    TempFolder folder;
    auto recorded = [&](const std::string& name, const std::string& bytes, const std::string& verifyZ) {
        RoundOutcome round;
        round.replayPath = (folder.path() / name).string();
        writeFile(round.replayPath, bytes);
        if (!verifyZ.empty())
            writeFile(round.replayPath + ".verifyZ", verifyZ);
        return round;
    };
    RoundOutcome removed;
    removed.replayPath = (folder.path() / "0.1.1.2.replay").string();
    removed.replaySaved = false;
    EXPECT_FALSE(sameRecordings(removed, removed));

    const RoundOutcome first = recorded("0.1.1.2.replay", "frames", "text");
    EXPECT_FALSE(sameRecordings(removed, first));
    EXPECT_FALSE(sameRecordings(first, first));
    EXPECT_TRUE(sameRecordings(first, recorded("1.1.1.2.replay", "frames", "text")));
    EXPECT_FALSE(sameRecordings(first, recorded("2.1.1.2.replay", "frameS", "text")));
    EXPECT_FALSE(sameRecordings(first, recorded("3.1.1.2.replay", "frames", "texT")));
    EXPECT_FALSE(sameRecordings(first, recorded("4.1.1.2.replay", "frames", "")));
    writeFile(folder.path() / "5.1.1.2.replay.verify", "text");
    EXPECT_FALSE(sameRecordings(first, recorded("5.1.1.2.replay", "frames", "text")));
    RoundOutcome unsaved = recorded("6.1.1.2.replay", "frames", "text");
    unsaved.replaySaved = false;
    EXPECT_FALSE(sameRecordings(first, unsaved));
}

}
