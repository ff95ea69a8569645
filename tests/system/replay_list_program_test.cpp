// The replay list in the whole program under an X server: rounds recorded by
// the session harness are listed, played with verification, deleted and
// tested all together, driven by keys through tamwick_menu_runner.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "frame/file_stream.h"
#include "session/verify_text.h"
#include "support/program_runner.h"
#include "support/screen_capture.h"
#include "support/runner_log.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"

namespace fs = std::filesystem;

namespace {

// Three short rounds, recorded once for every test: Classic, Deathmatch and Battle Royale.
const std::vector<std::string> roundCases{"0,2,1,60,240", "5,3,1,60,240", "2,4,1,60,240"};

class ReplayListProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!haveDisplay())
            return;
        recordings = new TempFolder();
        TempDataHome recordingHome;
        ProgramOptions options;
        options.program = TAMWICK_HARNESS;
        options.args = {"record", (recordings->path() / "rounds").string()};
        options.args.insert(options.args.end(), roundCases.begin(), roundCases.end());
        options.env["XDG_DATA_HOME"] = recordingHome.folder().str();
        options.timeout = std::chrono::seconds(300);
        recordingOutput = runProgram(options).output;
    }
    static void TearDownTestSuite()
    {
        delete recordings;
        recordings = nullptr;
    }
    void SetUp() override
    {
        if (!haveDisplay())
            GTEST_SKIP() << "needs an X server";
        fs::create_directories(replays());
        for (const auto& entry : fs::directory_iterator(recordings->path() / "rounds"))
            fs::copy_file(entry.path(), replays() / entry.path().filename());
        ASSERT_EQ(recorded().size(), roundCases.size()) << recordingOutput;
    }

    fs::path replays() const { return home.dataFolder() / "replays"; }
    // The recorded rounds in the folder, by number.
    std::vector<fs::path> recorded() const
    {
        std::vector<fs::path> paths;
        for (const auto& entry : fs::directory_iterator(replays()))
            if (entry.path().extension() == ".replay")
                paths.push_back(entry.path());
        std::sort(paths.begin(), paths.end());
        return paths;
    }
    static std::string number(const fs::path& replay) { return replay.filename().string().substr(0, replay.filename().string().find('.')); }
    // A file from a later build, that the list shows as an error.
    fs::path futureReplay()
    {
        const fs::path path = replays() / "90.1.1.3.replay";
        std::ostringstream bytes;
        File::writeInt32(bytes, 0x1001003);
        writeFile(path, bytes.str());
        return path;
    }
    ProgramResult run(const std::function<void(RunnerLog&)>& drive)
    {
        return runMenuRunner(TAMWICK_MENU_RUNNER, "replays", home, drive, std::chrono::seconds(180));
    }
    fs::path logFile() const { return home.dataFolder() / "tamwick.log"; }
    std::vector<std::string> lines() const { return logLines(readFile(logFile())); }
    long count(const std::string& prefix) const
    {
        const auto all = lines();
        return std::count_if(all.begin(), all.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    }

    static TempFolder* recordings;
    static std::string recordingOutput;
    TempDataHome home;
};

// Delete acts when it is let go, and the menu reads it only once its key
// repeat after the last move has run out: a tap inside that time is not seen,
// so it is tapped again until the confirmation shows.
bool tapDelete(RunnerLog& log)
{
    const auto confirm = [](const std::string& l) { return l.rfind("Message: Confirm deletion of replay", 0) == 0; };
    for (int attempt = 0; attempt < 10; ++attempt)
        if (pressUntilLine("Delete", log, "Keys held") && log.peekFor(confirm, std::chrono::seconds(2)))
            return true;
    return false;
}

TempFolder* ReplayListProgram::recordings = nullptr;
std::string ReplayListProgram::recordingOutput;

// The list shows the recorded rounds and an error line for a future file,
// which explains itself; a round plays and verifies; a deletion is confirmed.
TEST_F(ReplayListProgram, ListsPlaysAndDeletes)
{
    const std::vector<fs::path> rounds = recorded();
    const fs::path future = futureReplay();
    const fs::path played = rounds[0];
    const fs::path deleted = rounds[1];
    std::vector<std::string> reached;
    bool shot = false;
    ProgramResult result = run([&](RunnerLog& log) {
        if (!log.waitForPrefix("Selected: "))
            return;
        shot = saveMenuScreenshot(screenshotFile("replay_list_menu.png"));
        if (!selectEntry(log, "90 - Error") ||
            !pressUntilLine("Return", log,
                            "Message: Error: | Replay from future version of game: 1.1.3 | Press ENTER to exit") ||
            !pressUntilLine("Return", log, "Message answered: yes"))
            return;
        reached.push_back("error");
        if (!selectEntry(log, number(played) + " - ") || !pressUntilLine("Return", log, "Playing " + played.string(), false) ||
            !log.waitForPrefix("Played " + played.string(), std::chrono::seconds(60)))
            return;
        reached.push_back(log.last());
        if (!selectEntry(log, number(deleted) + " - ") || !tapDelete(log) ||
            !log.waitForPrefix("Message: Confirm deletion of replay") ||
            !pressUntilLine("y", log, "Message answered: yes") || !log.waitForLine("Selected: DELETED"))
            return;
        reached.push_back("deleted");
        if (pressUntilLine("Escape", log, "Menu runner done", false))
            reached.push_back("closed");
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_EQ(reached, (std::vector<std::string>{"error", "Played " + played.string() + ": finished", "deleted",
                                                 "closed"}))
        << readFile(logFile());
    EXPECT_TRUE(shot);

    const auto all = lines();
    EXPECT_TRUE(containsInOrder(all, {"Entry: 90 - Error - select for details - 0kB"}));
    for (const fs::path& round : rounds)
        EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const std::string& line) {
            return line.rfind("Entry: " + number(round) + " - ", 0) == 0 &&
                   line.find(" players - 1.1.2 - ") != std::string::npos;
        })) << round;
    // Played with its verify text, which held to the end.
    EXPECT_TRUE(containsInOrder(all, {"New game, replay: " + played.string(), "Opening " + played.string() + ".verifyZ",
                                      "Played " + played.string() + ": finished"}));
    EXPECT_TRUE(fs::exists(played));
    EXPECT_TRUE(fs::exists(future));
    EXPECT_FALSE(fs::exists(deleted));
    EXPECT_FALSE(fs::exists(deleted.string() + ".verifyZ"));
}

// "Test all replays" plays every readable round fast, passes over the error
// file and logs how long it took.
TEST_F(ReplayListProgram, TestAllReplaysVerifiesTheFolderAndLogsItsTime)
{
    futureReplay();
    writeFile(home.dataFolder() / "tamwick.cfg", "[other]\nshowReplayTestOptions=1\n");
    bool finished = false;
    ProgramResult result = run([&](RunnerLog& log) {
        if (!log.waitForLine("Selected: Test all replays") ||
            !pressUntilPrefix("Return", log, "Playing " + replays().string(), false) ||
            !log.waitForPrefix("Test all replays: ", std::chrono::seconds(120)))
            return;
        finished = pressUntilLine("Escape", log, "Menu runner done", false);
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_TRUE(finished) << readFile(logFile());
    EXPECT_EQ(count("Playing " + replays().string()), long(roundCases.size()));
    EXPECT_EQ(count("Opening " + replays().string()), long(roundCases.size()));
    EXPECT_EQ(count("Played " + replays().string()), long(roundCases.size()));
    EXPECT_EQ(count("Message: "), 0);
    const auto all = lines();
    const auto time = std::find_if(all.begin(), all.end(),
                                   [](const std::string& l) { return l.rfind("Test all replays: ", 0) == 0; });
    ASSERT_NE(time, all.end());
    EXPECT_GT(std::stod(time->substr(18)), 0.0);
    EXPECT_EQ(time->substr(time->size() - 8), " seconds");
}

// A round that does not verify ends the program through its handler: the
// failed check is not caught by the menu.
TEST_F(ReplayListProgram, AFailedVerificationEndsTheProgram)
{
    const fs::path round = recorded()[0];
    const std::string text = decompress(readFile(round.string() + ".verifyZ"));
    fs::remove(round.string() + ".verifyZ");
    // The second line of the verify text is player 0's first x.
    std::istringstream verify(text);
    std::string first, x;
    std::getline(verify, first);
    std::getline(verify, x);
    writeFile(round.string() + ".verify",
              first + "\n" + std::to_string(std::stoi(x) + 1) + text.substr(first.size() + 1 + x.size()));
    ProgramResult result = run([&](RunnerLog& log) {
        if (selectEntry(log, number(round) + " - "))
            pressUntilLine("Return", log, "Playing " + round.string(), false);
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 1) << result.output;
    EXPECT_TRUE(containsInOrder(lines(), {"Playing " + round.string(), "An exception occurred:"}))
        << readFile(logFile());
    EXPECT_TRUE(anyLineStartsWith(lines(), "Assertion failed: 'verifyX == x'")) << readFile(logFile());
    EXPECT_EQ(count("Played "), 0);
}

}
