#include <gtest/gtest.h>

#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"

namespace {

const char* const defaultConfig =
    "[video]\ncolourdepth=32\nsync=1\nwidth=0\nheight=0\nwindowed=0\nupdaterate=60\n"
    "[sound]\nsoundEffectsVolume=60\nmusicVolume=100\n"
    "[controls]\nmenuControlMode=2\nxinputDpadEnabled=1\n"
    "[other]\ndiagnostic=0\nreplayRecordingEnabled=1\nshowReplayTestOptions =0\nalwaysShowFPS=0\n";

// Runs the program with its data folder in a temporary place.
class StartupTest : public ::testing::Test {
protected:
    ProgramResult run(std::vector<std::string> args = {}, bool withDisplay = false,
                      std::function<void(int)> whileRunning = {})
    {
        ProgramOptions options;
        options.args = std::move(args);
        options.env["XDG_DATA_HOME"] = home.folder().str();
        options.env["TAMWICK_NO_DIALOGS"] = "1";
        options.env["ALSOFT_DRIVERS"] = "null";
        if (!withDisplay)
            options.env["DISPLAY"] = std::nullopt;
        options.whileRunning = std::move(whileRunning);
        return runProgram(options);
    }
    std::filesystem::path configFile() const { return home.dataFolder() / "tamwick.cfg"; }
    std::vector<std::string> log() const { return logLines(readFile(home.dataFolder() / "tamwick.log")); }

    TempDataHome home;
};

TEST_F(StartupTest, AFirstStartWritesTheDefaultsAndASecondLeavesThemAlone)
{
    ProgramResult first = run();
    ASSERT_FALSE(first.timedOut);
    ASSERT_EQ(readFile(configFile()), defaultConfig);

    auto stamp = std::filesystem::last_write_time(configFile());
    run();
    EXPECT_EQ(readFile(configFile()), defaultConfig);
    EXPECT_EQ(std::filesystem::last_write_time(configFile()), stamp);
}

TEST_F(StartupTest, AnExistingPartialFileIsNotFilledIn)
{
    std::filesystem::create_directories(home.dataFolder());
    writeFile(configFile(), "[video]\nwidth=800\n");
    run();
    EXPECT_EQ(readFile(configFile()), "[video]\nwidth=800\n");
}

TEST_F(StartupTest, WithoutADisplayStartUpEndsThroughTheTopLevelHandler)
{
    ProgramResult result = run();
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.exitStatus, 1);
    std::vector<std::string> lines = log();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Log file opened");
    EXPECT_EQ(lines[1].rfind("Player: ", 0), 0u);
    EXPECT_TRUE(containsInOrder(lines, {"SteamListener init", "Allegro init", "Registering trace handler",
                                        "Getting config settings", "Available gfx modes:",
                                        "Changing video mode to fullscreen window", "Setting display flags",
                                        "An exception occurred:", "Failed to create display",
                                        "Shut down sound", "Destroying shaders", "Destroying bitmaps",
                                        "Closing log file"}));
    bool banner = false;
    for (const std::string& line : lines)
        banner = banner || line.rfind("Tamwick 1.1.2 Compiled on ", 0) == 0;
    EXPECT_TRUE(banner);
    std::string support = "Please send " + (home.dataFolder() / "tamwick.log").string() + " to ";
    bool supportLine = false;
    for (const std::string& line : lines)
        supportLine = supportLine || line.rfind(support, 0) == 0;
    EXPECT_TRUE(supportLine);
}

TEST_F(StartupTest, AnUnknownSwitchEndsWithStatusOneAndAClosedLog)
{
    ProgramResult result = run({"/diag", "/fastforward"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.output.find("Unknown command"), std::string::npos);
    EXPECT_NE(result.output.find("/fastforward"), std::string::npos);
    std::vector<std::string> lines = log();
    EXPECT_TRUE(containsInOrder(lines, {"Getting config settings"}));
    EXPECT_FALSE(containsInOrder(lines, {"Shut down sound"}));
}

TEST_F(StartupTest, AnUnwritableDataFolderDoesNotStopStartUp)
{
    // A file where the data folder should be: neither log nor configuration can be made.
    writeFile(home.dataFolder(), "in the way");
    ProgramResult result = run();
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.exitStatus, 1);  // no display here
    EXPECT_NE(result.output.find("Warning: couldn't create log file"), std::string::npos);
    EXPECT_NE(result.output.find("Failed to create display"), std::string::npos);
}

TEST_F(StartupTest, UnderAnXServerTheMenuRunsAndEscapeShutsDownInOrder)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    ProgramResult result = run({}, true, [](int pid) { pressKeyUntilExit(pid, "Tamwick", "Escape"); });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_TRUE(containsInOrder(log(), {"Log file opened", "SteamListener init", "Allegro init",
                                        "Getting config settings", "Detected desktop resolution: 1920x1080",
                                        "Create display: 1920 1080", "Register event sources",
                                        "Shut down sound", "Destroying shaders", "Destroying bitmaps",
                                        "Closing log file"}))
        << result.output;
}

}
