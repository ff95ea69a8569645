#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"

namespace {

void holdKey(const std::string& key, double seconds)
{
    std::string command = "w=$(xdotool search --name '^Tamwick$' | head -n 1); "
                          "[ -n \"$w\" ] && xdotool windowfocus --sync $w; xdotool keydown " +
                          key + "; sleep " + std::to_string(seconds) + "; xdotool keyup " + key +
                          "; sleep 0.3";
    std::system((command + " >/dev/null 2>&1").c_str());
}

long count(const std::vector<std::string>& lines, const std::string& line)
{
    return std::count(lines.begin(), lines.end(), line);
}

// Keys typed at the real window reach the menu's polling of the keyboard: a
// press is seen going down, and completes once on release however long it is
// held.
TEST(KeyboardInput, KeysSentToTheWindowReachTheMenu)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    TempDataHome home;
    ProgramOptions options;
    options.env["TAMWICK_NO_DIALOGS"] = "1";
    options.env["ALSOFT_DRIVERS"] = "null";
    std::filesystem::path logFile = home.dataFolder() / "tamwick.log";
    options.whileRunning = [&logFile](int pid) {
        // Past the splash screen, into the menu.
        if (!waitForWindow("Tamwick") || !waitForLogLine(logFile, "Title screen ready"))
            return;
        holdKey("a", 0.08);
        holdKey("Up", 0.6);
        holdKey("j", 0.1);
        holdKey("j", 0.1);
        pressKeyUntilExit(pid, "Tamwick", "Escape");
    };
    ProgramResult result = runProgram(options);
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;

    auto lines = logLines(readFile(home.dataFolder() / "tamwick.log"));
    EXPECT_TRUE(containsInOrder(lines, {"0 controllers detected:", "Key down: A", "Key pressed: A",
                                        "Key down: UP", "Key pressed: UP", "Key down: J",
                                        "Key pressed: J", "Key down: J", "Key pressed: J"}))
        << result.output;
    EXPECT_EQ(count(lines, "Key pressed: A"), 1);
    EXPECT_EQ(count(lines, "Key down: UP"), 1);
    EXPECT_EQ(count(lines, "Key pressed: UP"), 1);
    EXPECT_EQ(count(lines, "Key pressed: J"), 2);
    EXPECT_EQ(count(lines, "Key down: W"), 0);
    bool closed = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("Menu closed after ", 0) == 0;
    });
    EXPECT_TRUE(closed);
}

}
