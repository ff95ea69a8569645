// The game reads its own files from the folder that holds the program,
// whatever folder it is started from and through whatever links.
#include <gtest/gtest.h>

#include "support/program_copy.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

// Runs a program with no display, its data folder in a temporary place,
// started from a temporary folder of its own.
class ProgramFolderTest : public ::testing::Test {
protected:
    ProgramResult run(const fs::path& program, const fs::path& workingFolder)
    {
        ProgramOptions options;
        options.program = program;
        options.workingFolder = workingFolder;
        options.env["XDG_DATA_HOME"] = home.folder().str();
        options.env["DISPLAY"] = std::nullopt;
        options.timeout = std::chrono::seconds(30);
        ProgramResult result = runProgram(options);
        EXPECT_FALSE(result.timedOut) << result.output;
        EXPECT_EQ(result.signal, 0) << result.output;
        return result;
    }
    std::vector<std::string> log() const { return logLines(readFile(home.dataFolder() / "tamwick.log")); }

    TempDataHome home;
    TempFolder elsewhere;
    TempFolder links;
};

TEST_F(ProgramFolderTest, StartedFromAnotherFolderThroughTwoLinksItFindsItsFiles)
{
    fs::create_symlink(runFolder() / "tamwick", links.path() / "first");
    fs::create_symlink("first", links.path() / "tamwick");
    ProgramResult result = run(links.path() / "tamwick", elsewhere.path());
    EXPECT_EQ(result.exitStatus, 1) << result.output;  // no display here
    EXPECT_EQ(result.output.find("File not found"), std::string::npos) << result.output;
    std::vector<std::string> lines = log();
    EXPECT_TRUE(containsInOrder(lines, {"Log file opened", "Game files are read from " +
                                                               fs::canonical(runFolder()).string(),
                                        "Installing sound", "Failed to create display", "Closing log file"}))
        << result.output;
    // Nothing of the game's lands in the folder it was started from.
    EXPECT_TRUE(fs::is_empty(elsewhere.path()));
}

TEST_F(ProgramFolderTest, ACopyWithoutItsFilesNamesItsOwnFolderWhereverItStarts)
{
    TempFolder alone;
    fs::create_symlink(copyProgramInto(alone.path()), links.path() / "tamwick");
    // Started in the run folder, whose files it must not take for its own.
    ProgramResult result = run(links.path() / "tamwick", runFolder());
    EXPECT_EQ(result.exitStatus, 1) << result.output;
    // What the player is shown names the sound and the folder it was looked for in.
    const std::string folder = fs::canonical(alone.path()).string();
    const std::size_t missing = result.output.find("File not found: newSound/");
    ASSERT_NE(missing, std::string::npos) << result.output;
    const std::string line = result.output.substr(missing, result.output.find('\n', missing) - missing);
    const std::string suffix = ".wav (in " + folder + ")";
    EXPECT_TRUE(line.size() > suffix.size() && line.ends_with(suffix)) << line;
    EXPECT_TRUE(containsInOrder(log(), {"Game files are read from " + folder})) << result.output;
}

}
