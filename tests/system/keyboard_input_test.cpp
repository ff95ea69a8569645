#include <gtest/gtest.h>

#include <algorithm>

#include "support/past_first_run.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"

// Keys typed at the real window reach the menu's polling of the keyboard: a
// press is seen going down, and completes once on release however long it is
// held.
TEST(KeyboardInput, KeysSentToTheWindowReachTheMenu)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    TempDataHome home;
    // Straight to the main menu, which one Escape closes.
    writePastFirstRunConfig(home);
    const std::filesystem::path logFile = home.dataFolder() / "tamwick.log";
    ProgramOptions options;
    options.whileRunning = [&logFile](int pid) {
        // Past the splash screen, into the menu.
        if (!waitForWindow() || !waitForLogLine(logFile, "Title screen ready"))
            return;
        holdKey("a", 0.08);
        holdKey("Up", 0.6);
        holdKey("j");
        holdKey("j");
        pressKeyUntilExit(pid, "Escape");
    };
    ProgramResult result = runProgram(options);
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;

    auto lines = logLines(readFile(logFile));
    EXPECT_TRUE(containsInOrder(lines, {"0 controllers detected:", "Key down: A", "Key pressed: A",
                                        "Key down: UP", "Key pressed: UP", "Key down: J",
                                        "Key pressed: J", "Key down: J", "Key pressed: J"}))
        << result.output;
    auto count = [&](const std::string& line) { return std::count(lines.begin(), lines.end(), line); };
    EXPECT_EQ(count("Key pressed: A"), 1);
    EXPECT_EQ(count("Key down: UP"), 1);
    EXPECT_EQ(count("Key pressed: UP"), 1);
    EXPECT_EQ(count("Key pressed: J"), 2);
    EXPECT_EQ(count("Key down: W"), 0);
    EXPECT_TRUE(anyLineStartsWith(lines, "Menu closed after "));
}
