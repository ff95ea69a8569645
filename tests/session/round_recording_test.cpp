#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "session/round_recording.h"
#include "session/verify_text.h"
#include "support/file_size_limit.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"
#include "support/unprivileged_user.h"

namespace fs = std::filesystem;

namespace {

// Bytes that do not compress: their compressed copy is larger than they are.
std::string incompressible(std::size_t size)
{
    std::mt19937 bits(7);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = char(bits());
    return bytes;
}

// The folder that `lockFolder` takes the write permission from, at the moment
// a write meets the file size limit.
std::string lockedFolder;
void lockFolder(int)
{
    chmod(lockedFolder.c_str(), 0555);
}

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

// Only the compressed copy failing (a disk that fills while it is written)
// loses nothing of the round: that copy goes, the replay and its plain text
// stay to be played and checked, and the reason is logged.
TEST_F(RecordingFiles, ACompressedCopyThatFailsLeavesTheReplayWithItsPlainText)
{
    const std::string text = incompressible(4096);
    {
        RoundRecording recording(path);
        recording.replay() << "frames";
        recording.verify() << text;
        // The plain text, with its END, just fits; its larger compressed copy does not.
        FileSizeLimit limit(text.size() + 4);
        LogCapture log;
        bool saved = false;
        EXPECT_NO_THROW(saved = recording.finish());
        EXPECT_TRUE(saved);
        EXPECT_TRUE(logged(log, "Error: the compressed verify text " + path + ".verifyZ could not be written"));
        EXPECT_TRUE(logged(log, "Keeping the plain verify text " + path + ".verify"));
    }
    EXPECT_EQ(left(), (std::vector<std::string>{"3.1.1.2.replay", "3.1.1.2.replay.verify"}));
    EXPECT_EQ(readFile(path + ".verify"), text + "END\n");
}

// A round called saved always plays: whatever stands under the compressed
// copy's name is never written through, and would be read before the plain
// text, so the round is not saved. A recording removes only the files it
// made; whatever was put under their names (a link is itself, not the file it
// points to) is left, and the log says why.
TEST_F(RecordingFiles, ARecordingIsSavedOnlyWhenItPlaysAndRemovesOnlyWhatItMade)
{
    const std::string compressedPath = path + ".verifyZ";
    for (const std::string madeThere : {"a folder", "/dev/null", "nowhere"}) {
        SCOPED_TRACE(madeThere);
        {
            RoundRecording recording(path);
            recording.replay() << "frames";
            recording.verify() << "0\n";
            // During the round: a folder, a link to a device, a link to nowhere.
            if (madeThere == "a folder")
                fs::create_directory(compressedPath);
            else
                fs::create_symlink(madeThere, compressedPath);
            LogCapture log;
            EXPECT_FALSE(recording.finish());
            EXPECT_TRUE(logged(log, "Error: the compressed verify text " + compressedPath +
                                        " is still there, so the plain verify text cannot take its place"));
            EXPECT_TRUE(logged(log, "Leaving " + compressedPath + ": it is not a file this recording made"));
            EXPECT_FALSE(anyLineStartsWith(log.lines(), "Keeping "));
        }
        EXPECT_EQ(left(), std::vector<std::string>{"3.1.1.2.replay.verifyZ"});
        fs::remove(compressedPath);
    }

    // The text moved aside and a link to it put in its place: the text is
    // whole, but the link is not the file made.
    {
        RoundRecording recording(path);
        recording.replay() << "frames";
        recording.verify() << "0\n";
        fs::rename(path + ".verify", path + ".moved");
        fs::create_symlink("3.1.1.2.replay.moved", path + ".verify");
        LogCapture log;
        EXPECT_TRUE(recording.finish());
        EXPECT_TRUE(logged(log, "Leaving " + path + ".verify: it is not a file this recording made"));
    }
    EXPECT_TRUE(fs::is_symlink(path + ".verify"));
    EXPECT_EQ(readFile(path + ".moved"), "0\nEND\n");
    for (const char* suffix : {"", ".verify", ".verifyZ", ".moved"})
        fs::remove(path + suffix);

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
        EXPECT_TRUE(logged(log, "Error: the verify text " + path + ".verify could not be created: File exists"));
        EXPECT_FALSE(logged(log, "Removing unfinished replay " + path));
    }
    EXPECT_EQ(left(), std::vector<std::string>{"3.1.1.2.replay.verify"});
}

// Another copy of the game may take the chosen name before the recording
// makes it, whether the replay's or its text's: what stands there is never
// written through, what was made goes, and the next name is taken. With every
// name taken, the round goes unrecorded after so many tries.
TEST_F(RecordingFiles, ANameTakenBeforeItIsMadeGivesWayToTheNext)
{
    const auto name = [&](int number) { return (folder.path() / (std::to_string(number) + ".1.1.2.replay")).string(); };
    writeFile(name(3), "another copy's replay");
    writeFile(name(4) + ".verify", "another copy's text\n");
    int next = 3;
    LogCapture log;
    std::unique_ptr<RoundRecording> recording = createRoundRecording([&] { return name(next++); });
    ASSERT_TRUE(recording->created());
    EXPECT_EQ(recording->path(), name(5));
    for (int taken : {3, 4})
        EXPECT_TRUE(logged(log, "The name " + name(taken) + " was taken meanwhile: taking the next free number"));
    recording.reset();
    EXPECT_EQ(left(), (std::vector<std::string>{"3.1.1.2.replay", "4.1.1.2.replay.verify"}));
    EXPECT_EQ(readFile(name(3)), "another copy's replay");
    EXPECT_EQ(readFile(name(4) + ".verify"), "another copy's text\n");

    int tries = 0;
    recording = createRoundRecording([&] {
        ++tries;
        return name(3);
    });
    EXPECT_FALSE(recording->created());
    EXPECT_EQ(tries, recordingNameTries);
    EXPECT_TRUE(logged(log, "Error: the replay " + name(3) + " could not be created: File exists"));
    EXPECT_EQ(readFile(name(3)), "another copy's replay");
}

// A file that cannot be removed, or even looked at, is named with the reason:
// it is never reported gone, nor called another's.
TEST_F(RecordingFiles, ARemovalThatFailsIsLoggedWithItsReason)
{
    {
        UnprivilegedUser user(folder.path(), folder.path(), true);
        LogCapture log;
        {
            RoundRecording recording(path);
            // The folder loses its search permission during the round.
            fs::permissions(folder.path(), fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                            fs::perm_options::remove);
        }
        EXPECT_TRUE(logged(log, "Removing unfinished replay " + path));
        for (const char* suffix : {"", ".verify"})
            EXPECT_TRUE(logged(log, "Error: could not remove " + path + suffix + ": Permission denied")) << suffix;
        EXPECT_FALSE(anyLineStartsWith(log.lines(), "Leaving "));
    }
    EXPECT_EQ(left(), (std::vector<std::string>{"3.1.1.2.replay", "3.1.1.2.replay.verify"}));
    for (const char* suffix : {"", ".verify"})
        fs::remove(path + suffix);

    // A compressed copy cut short by the file size limit, in a folder that
    // takes no removal from that moment: the bad copy stays, and the round is
    // not saved.
    const std::string text = incompressible(4096);
    {
        UnprivilegedUser user(folder.path(), folder.path(), true);
        RoundRecording recording(path);
        recording.replay() << "frames";
        recording.verify() << text;
        LogCapture log;
        lockedFolder = folder.str();
        {
            FileSizeLimit limit(text.size() + 4, lockFolder);
            EXPECT_FALSE(recording.finish());
        }
        EXPECT_TRUE(logged(log, "Error: the compressed verify text " + path + ".verifyZ could not be written"));
        EXPECT_TRUE(logged(log, "Removing incomplete replay " + path));
        for (const char* suffix : {"", ".verify", ".verifyZ"})
            EXPECT_TRUE(logged(log, "Error: could not remove " + path + suffix + ": Permission denied")) << suffix;
        EXPECT_FALSE(anyLineStartsWith(log.lines(), "Leaving "));
    }
    EXPECT_EQ(left(), (std::vector<std::string>{"3.1.1.2.replay", "3.1.1.2.replay.verify", "3.1.1.2.replay.verifyZ"}));
}

}
