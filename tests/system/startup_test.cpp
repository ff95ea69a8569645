// The whole program without a display: its files, its log and its exit status.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/default_config.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

// Runs the program with no display and its data folder in a temporary place.
class StartupTest : public ::testing::Test {
protected:
    ProgramResult run(std::vector<std::string> args = {},
                      std::map<std::string, std::optional<std::string>> env = {})
    {
        ProgramOptions options;
        options.args = std::move(args);
        options.env["XDG_DATA_HOME"] = home.folder().str();
        options.env["DISPLAY"] = std::nullopt;
        for (const auto& [name, value] : env)
            options.env[name] = value;
        options.timeout = std::chrono::seconds(30);
        ProgramResult result = runProgram(options);
        EXPECT_FALSE(result.timedOut) << result.output;
        EXPECT_EQ(result.signal, 0) << result.output;
        return result;
    }
    std::filesystem::path configFile() const { return home.dataFolder() / "tamwick.cfg"; }
    std::vector<std::string> log() const { return logLines(readFile(home.dataFolder() / "tamwick.log")); }

    TempDataHome home;
};

TEST_F(StartupTest, AFirstStartWritesTheDefaultsAndASecondLeavesThemAlone)
{
    run();
    ASSERT_EQ(readFile(configFile()), defaultConfigText);

    auto stamp = std::filesystem::last_write_time(configFile());
    run();
    EXPECT_EQ(readFile(configFile()), defaultConfigText);
    EXPECT_EQ(std::filesystem::last_write_time(configFile()), stamp);
}

TEST_F(StartupTest, AnExistingPartialFileIsNotFilledIn)
{
    std::filesystem::create_directories(home.dataFolder());
    writeFile(configFile(), "[video]\nwidth=800\n");
    run();
    EXPECT_EQ(readFile(configFile()), "[video]\nwidth=800\n");
}

// Allegro's reader never ends on some invalid byte sequences; a file holding
// them, like any file that cannot be read, is reported and kept as it is.
TEST_F(StartupTest, AConfigurationFileThatCannotBeReadIsKeptAsItIs)
{
    std::filesystem::create_directories(home.dataFolder());
    const std::string corrupt = "[lootbox]\nlootboxPoints=90\n\xF4\xBF\xB8\xAA\xF4\xBF\xB8\xAA=1\n"
                                "\xF4\xBF\xB8\xAA\xF4\xBF\xB8\xAA\xF4\xBF\xB8\xAA=2\n";
    writeFile(configFile(), corrupt);
    run();
    EXPECT_EQ(readFile(configFile()), corrupt);
    EXPECT_TRUE(anyLineStartsWith(log(), "Could not read configuration file " + configFile().string() +
                                             ": it is not valid UTF-8 text."));

    std::filesystem::remove(configFile());
    std::filesystem::create_symlink("tamwick.cfg", configFile());
    run();
    EXPECT_TRUE(std::filesystem::is_symlink(configFile()));
    EXPECT_TRUE(anyLineStartsWith(log(), "Could not read configuration file " + configFile().string() +
                                             ": Too many levels of symbolic links."));
}

TEST_F(StartupTest, WithoutADisplayStartUpEndsThroughTheTopLevelHandler)
{
    EXPECT_EQ(run().exitStatus, 1);
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
    EXPECT_TRUE(anyLineStartsWith(lines, "Tamwick 1.1.2 Compiled on "));
    EXPECT_TRUE(anyLineStartsWith(lines, "Please send " + (home.dataFolder() / "tamwick.log").string() + " to "));
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

// Without a data folder the program says once, at start-up, which folder and
// why, and that nothing is kept; it saves nothing and never names a log that
// was not written.
TEST_F(StartupTest, WithoutADataFolderStartUpSaysSoOnceAndGoesOn)
{
    // A file where the data folder should be: neither log nor configuration can be made.
    writeFile(home.dataFolder(), "in the way");
    ProgramResult result = run();
    EXPECT_EQ(result.exitStatus, 1);  // no display here
    const std::vector<std::string> lines = logLines(result.output);
    const std::string warning = "[message box] Warning: there is no data folder: the folder " +
                                home.dataFolder().string() + " cannot be used: Not a directory";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), warning), 1) << result.output;
    EXPECT_TRUE(containsInOrder(lines, {warning, "Settings, replays and the log are not kept this time.",
                                        "Failed to create display",
                                        "No log file could be written; please write to support@tamwick.org and "
                                        "say what happened"}))
        << result.output;
    EXPECT_FALSE(anyLineStartsWith(lines, "Please send")) << result.output;
    EXPECT_EQ(result.output.find("Could not save configuration file"), std::string::npos) << result.output;
    EXPECT_EQ(readFile(home.dataFolder()), "in the way");
}

TEST_F(StartupTest, WithoutAnAudioDeviceStartUpEndsThroughTheFatalError)
{
    ProgramResult result =
        run({}, {{"ALSOFT_DRIVERS", "no-such-driver"}, {"PULSE_SERVER", "unix:/nonexistent/pulse"}});
    EXPECT_EQ(result.exitStatus, 1);
    std::vector<std::string> lines = log();
    EXPECT_TRUE(containsInOrder(lines, {"Installing sound", "Error initialising sound system",
                                        "Message box [Error] [Error]: Error initialising sound system"}))
        << result.output;
    // The fatal path leaves at once, without the orderly shutdown.
    EXPECT_FALSE(containsInOrder(lines, {"Shut down sound"}));
    EXPECT_NE(result.output.find("Error initialising sound system"), std::string::npos);
}

}
