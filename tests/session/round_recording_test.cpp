#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "session/round_recording.h"
#include "session/verify_text.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

class RecordingFiles : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = (folder.path() / "3.1.1.2.replay").string();

    // What is left in the folder, by name.
    std::vector<std::string> left() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static bool logged(LogCapture& log, const std::string& line)
    {
        const auto lines = log.lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(RecordingFiles, AWholeRecordingKeepsTheReplayAndItsCompressedText)
{
    RoundRecording recording(path);
    recording.replay() << "frames";
    recording.verify() << "0\n32\n32\n";
    EXPECT_TRUE(recording.finish());
    EXPECT_EQ(readFile(path), "framesw");
    EXPECT_EQ(decompress(readFile(path + ".verifyZ")), "0\n32\n32\nEND\n");
    EXPECT_EQ(left(), (std::vector<std::string>{"3.1.1.2.replay", "3.1.1.2.replay.verifyZ"}));
}

// Either file alone not being whole is enough: the round is not saved, and
// nothing of it stays behind to pass for a whole round later.
TEST_F(RecordingFiles, ARecordingWithEitherFileNotWholeIsRemoved)
{
    {
        RoundRecording recording(path);
        recording.replay() << "frames";
        recording.verify() << "0\n";
        recording.replay().setstate(std::ios::badbit);   // as a write that failed on the way
        LogCapture log;
        EXPECT_FALSE(recording.finish());
        EXPECT_TRUE(logged(log, "Error: the replay " + path + " could not be written completely"));
    }
    EXPECT_TRUE(left().empty());

    // The compressed text cannot be written where a folder stands.
    fs::create_directory(path + ".verifyZ");
    {
        RoundRecording recording(path);
        recording.replay() << "frames";
        recording.verify() << "0\n";
        LogCapture log;
        EXPECT_FALSE(recording.finish());
        EXPECT_TRUE(logged(log, "Removing incomplete replay " + path));
    }
    EXPECT_TRUE(left().empty());
}

// Compressing or checking the compressed text may fail after the replay is
// closed: the recording is still finished as incomplete, with the reason
// logged, instead of ending the program with its files left behind.
TEST_F(RecordingFiles, AVerifyTextThatCannotBeCheckedRemovesTheRecording)
{
    // Written into a device that keeps nothing, the compressed text reads back empty.
    fs::create_symlink("/dev/null", path + ".verifyZ");
    {
        RoundRecording recording(path);
        recording.replay() << "frames";
        recording.verify() << "0\n";
        LogCapture log;
        bool saved = true;
        EXPECT_NO_THROW(saved = recording.finish());
        EXPECT_FALSE(saved);
        EXPECT_TRUE(logged(log, "Error: the verify text of " + path +
                                    " could not be finished: compressed verify text is empty"));
    }
    EXPECT_TRUE(left().empty());
    EXPECT_TRUE(fs::exists("/dev/null"));
}

}
