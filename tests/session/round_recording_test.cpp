#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "session/round_recording.h"
#include "session/verify_text.h"
#include "support/log_capture.h"
#include "support/read_only_folder.h"
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

    {
        RoundRecording recording(path);
        recording.replay() << "frames";
        recording.verify() << "0\n";
        recording.verify().setstate(std::ios::badbit);
        LogCapture log;
        EXPECT_FALSE(recording.finish());
        EXPECT_TRUE(logged(log, "Error: the verify text " + path + ".verify could not be written"));
        EXPECT_TRUE(logged(log, "Removing incomplete replay " + path));
    }
    EXPECT_TRUE(left().empty());
}

// Only the compressed copy failing (a disk that fills while it is written, a
// device in its place) loses nothing of the round: that copy goes, the replay
// and its plain text stay to be played and checked, and the reason is logged.
TEST_F(RecordingFiles, ACompressedCopyThatFailsLeavesTheReplayWithItsPlainText)
{
    const struct {
        const char* device;
        std::string reason;
    } devices[] = {
        {"/dev/full", "Error: the compressed verify text " + path + ".verifyZ could not be written"},
        {"/dev/null", "Error: the compressed verify text " + path +
                          ".verifyZ could not be read back: it is not a regular file"},
        {"/dev/zero", "Error: the compressed verify text " + path +
                          ".verifyZ could not be read back: it is not a regular file"},
    };
    for (const auto& device : devices) {
        SCOPED_TRACE(device.device);
        {
            RoundRecording recording(path);
            recording.replay() << "frames";
            recording.verify() << "0\n";
            fs::create_symlink(device.device, path + ".verifyZ");
            LogCapture log;
            bool saved = false;
            EXPECT_NO_THROW(saved = recording.finish());
            EXPECT_TRUE(saved);
            EXPECT_TRUE(logged(log, device.reason));
            EXPECT_TRUE(logged(log, "Keeping the plain verify text " + path + ".verify"));
        }
        EXPECT_EQ(left(), (std::vector<std::string>{"3.1.1.2.replay", "3.1.1.2.replay.verify"}));
        EXPECT_EQ(readFile(path + ".verify"), "0\nEND\n");
        EXPECT_TRUE(fs::exists(device.device));
        for (const char* suffix : {"", ".verify"})
            fs::remove(path + suffix);
    }
}

// A round called saved always plays: a bad compressed copy that stays under
// its name would be read before the plain text, so the round is not saved.
// A recording that is not saved removes only the files it made; whatever
// was put under their names is left, and the log says why.
TEST_F(RecordingFiles, ARecordingIsSavedOnlyWhenItPlaysAndRemovesOnlyWhatItMade)
{
    const std::string compressedPath = path + ".verifyZ";
    {
        RoundRecording recording(path);
        recording.replay() << "frames";
        recording.verify() << "0\n";
        fs::create_directory(compressedPath);   // made during the round
        LogCapture log;
        EXPECT_FALSE(recording.finish());
        EXPECT_TRUE(logged(log, "Error: the compressed verify text " + compressedPath +
                                    " is still there, so the plain verify text cannot take its place"));
        EXPECT_TRUE(logged(log, "Leaving " + compressedPath + ": it is not a file this recording made"));
    }
    EXPECT_EQ(left(), std::vector<std::string>{"3.1.1.2.replay.verifyZ"});
    fs::remove(compressedPath);

    {
        RoundRecording recording(path);
        recording.replay() << "frames";
        recording.verify() << "0\n";
        writeFile(path + ".other", "another text\n");
        fs::rename(path + ".other", path + ".verify");
        LogCapture log;
        EXPECT_FALSE(recording.finish());
        EXPECT_TRUE(logged(log, "Leaving " + path + ".verify: it is not a file this recording made"));
    }
    EXPECT_EQ(left(), std::vector<std::string>{"3.1.1.2.replay.verify"});
    EXPECT_EQ(readFile(path + ".verify"), "another text\n");
    fs::remove(path + ".verify");

    LogCapture log;
    {
        RoundRecording recording(path);
        fs::remove(path);
        fs::create_directories(fs::path(path) / "inside");
    }
    EXPECT_TRUE(logged(log, "Removing unfinished replay " + path));
    EXPECT_TRUE(logged(log, "Leaving " + path + ": it is not a file this recording made"));
    EXPECT_EQ(left(), std::vector<std::string>{"3.1.1.2.replay"});
}

// A recording whose files cannot be made leaves nothing behind: the round is
// played without it.
TEST_F(RecordingFiles, ARecordingThatCannotBeCreatedLeavesNothing)
{
    const std::string elsewhere = (folder.path() / "missing" / "3.1.1.2.replay").string();
    {
        LogCapture log;
        {
            RoundRecording recording(elsewhere);
            EXPECT_FALSE(recording.created());
        }
        EXPECT_TRUE(logged(log, "Error: the replay " + elsewhere + " could not be created: No such file or directory"));
        EXPECT_FALSE(logged(log, "Removing unfinished replay " + elsewhere));
    }
    fs::create_directory(path + ".verify");
    {
        LogCapture log;
        {
            RoundRecording recording(path);
            EXPECT_FALSE(recording.created());
        }
        EXPECT_TRUE(logged(log, "Error: the verify text " + path + ".verify could not be created: Is a directory"));
        EXPECT_FALSE(logged(log, "Removing unfinished replay " + path));
    }
    EXPECT_EQ(left(), std::vector<std::string>{"3.1.1.2.replay.verify"});
}

// A file that cannot be removed is named with the reason, never reported
// gone. A bad compressed copy that cannot be removed would be read before
// the plain text: that round is not saved either.
TEST_F(RecordingFiles, ARemovalThatFailsIsLoggedWithItsReason)
{
    RoundRecording recording(path);
    recording.replay() << "frames";
    recording.verify() << "0\n";
    fs::create_symlink("/dev/null", path + ".verifyZ");
    LogCapture log;
    {
        ReadOnlyFolder readOnly(folder.path(), folder.path());
        EXPECT_FALSE(recording.finish());
    }
    EXPECT_TRUE(logged(log, "Removing incomplete replay " + path));
    for (const char* suffix : {"", ".verify", ".verifyZ"})
        EXPECT_TRUE(logged(log, "Error: could not remove " + path + suffix + ": Permission denied")) << suffix;
    EXPECT_FALSE(anyLineStartsWith(log.lines(), "Leaving "));
    EXPECT_EQ(left(), (std::vector<std::string>{"3.1.1.2.replay", "3.1.1.2.replay.verify", "3.1.1.2.replay.verifyZ"}));
}

}
