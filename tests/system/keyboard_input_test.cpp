#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "support/past_first_run.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"

// Keys typed at the real window reach the menu's polling of the keyboard: a
// press is seen going down, and completes once on release however long it is
// held. Each key is held until the menu says it saw it go down and released
// only then, so a busy machine slows the test down but never fails it.
TEST(KeyboardInput, KeysSentToTheWindowReachTheMenu)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    TempDataHome home;
    // Straight to the main menu, which one Escape closes.
    writePastFirstRunConfig(home);
    const std::filesystem::path logFile = home.dataFolder() / "tamwick.log";
    // Log lines reach the program's output as they are written; the log file
    // is flushed only now and then.
    const std::filesystem::path output = home.folder().path() / "output";
    std::vector<std::string> unseen;
    ProgramOptions options;
    options.outputFile = output;
    options.whileRunning = [&](int pid) {
        // Past the splash screen, into the menu.
        if (!waitForWindow() || !waitForLogLine(output, "Title screen ready"))
            return;
        // The key, its name in the log, how many presses of it came before,
        // and for how long it stays down once the menu has seen it.
        struct Press {
            const char* key;
            std::string name;
            int before;
            std::chrono::milliseconds longer;
        };
        for (const Press& p : {Press{"a", "A", 0, {}}, Press{"Up", "UP", 0, std::chrono::milliseconds(600)},
                               Press{"j", "J", 0, {}}, Press{"j", "J", 1, {}}}) {
            keyDown(p.key);
            bool down = waitForLineCount(output, "Key down: " + p.name, p.before + 1);
            std::this_thread::sleep_for(p.longer);
            keyUp(p.key);
            if (!down || !waitForLineCount(output, "Key pressed: " + p.name, p.before + 1))
                unseen.push_back(p.key);
        }
        holdKeyUntilExit(pid, "Escape");
    };
    ProgramResult result = runProgram(options);
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_TRUE(unseen.empty()) << "not seen: " << testing::PrintToString(unseen) << "\n" << result.output;

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
