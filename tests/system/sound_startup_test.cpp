#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "support/program_runner.h"
#include "support/temp_folder.h"

using namespace std::chrono_literals;

namespace {

std::vector<std::string> programLog(const TempDataHome& home)
{
    return logLines(readFile(home.dataFolder() / "tamwick.log"));
}

// Finds the game's window, waiting for it up to `limit`; empty when none came.
std::string findWindow(std::chrono::seconds limit)
{
    std::string command = "timeout " + std::to_string(limit.count()) +
                          " xdotool search --sync --name '^Tamwick$' 2>/dev/null";
    std::string id;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[64];
        if (fgets(line, sizeof line, pipe))
            id = line;
        pclose(pipe);
    }
    while (!id.empty() && (id.back() == '\n' || id.back() == '\r'))
        id.pop_back();
    return id;
}

void pressKey(const std::string& window, const std::string& key)
{
    std::string base = "xdotool ";
    std::system((base + "windowfocus --sync " + window + " 2>/dev/null").c_str());
    std::system((base + "keydown " + key).c_str());
    std::this_thread::sleep_for(80ms);
    std::system((base + "keyup " + key).c_str());
}

}

TEST(SoundStartup, WithoutAnAudioDeviceStartUpEndsThroughTheFatalError)
{
    TempDataHome home;
    ProgramOptions options;
    options.env = {{"ALSOFT_DRIVERS", "no-such-driver"},
                   {"PULSE_SERVER", "unix:/nonexistent/pulse"},
                   {"TAMWICK_NO_DIALOGS", "1"}};
    options.timeout = 30s;
    ProgramResult result = runProgram(options);

    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.exitStatus, 1);
    std::vector<std::string> lines = programLog(home);
    EXPECT_TRUE(containsInOrder(lines, {"Installing sound", "Error initialising sound system",
                                        "Message box [Error] [Error]: Error initialising sound system"}))
        << result.output;
    // The fatal path leaves at once, without the orderly shutdown.
    EXPECT_FALSE(containsInOrder(lines, {"Shut down sound"}));
    EXPECT_NE(result.output.find("Error initialising sound system"), std::string::npos);
}

TEST(SoundStartup, TheProgramPlaysMenuMusicAndJoinsEveryThreadAtExit)
{
    if (!std::filesystem::exists(runFolder() / "newSound"))
        GTEST_SKIP() << "the run folder holds no sound effects";
    TempDataHome home;
    ProgramOptions options;
    options.env = {{"ALSOFT_DRIVERS", "null"}, {"TAMWICK_NO_DIALOGS", "1"}};
    options.timeout = 60s;
    options.whileRunning = [](int pid) {
        std::string window = findWindow(30s);
        if (window.empty())
            return;
        // Escape leaves the menu; it goes unheard during the splash, so repeat it.
        for (int tries = 0; tries < 40 && kill(pid, 0) == 0; ++tries) {
            std::this_thread::sleep_for(1s);
            pressKey(window, "Escape");
        }
    };
    ProgramResult result = runProgram(options);

    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.signal, 0) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    std::vector<std::string> lines = programLog(home);
    bool menuMusic = containsInOrder(lines, {"Playing music music/Zoo.ogg"}) ||
                     (!std::filesystem::exists(runFolder() / "music/Zoo.ogg") &&
                      containsInOrder(lines, {"Music music/Zoo.ogg could not be played; "
                                              "continuing without music"}));
    EXPECT_TRUE(menuMusic) << result.output;
    EXPECT_TRUE(containsInOrder(lines, {"Installing sound", "Shut down sound", "Closing log file"}))
        << result.output;
}
