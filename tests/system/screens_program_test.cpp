// The screens in the real program under an X server: the game's own
// start-up through the screens harness, keys typed at its window, and what
// the program logs and leaves in its data folder.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <regex>
#include <thread>

#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A short press. Every use repeats it until the program logs what the press
// was for, so a press the program missed under load is simply made again.
void holdKey(const std::string& key)
{
    keyDown(key);
    std::this_thread::sleep_for(80ms);
    keyUp(key);
    std::this_thread::sleep_for(50ms);
}

class ScreensProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveDisplay())
            GTEST_SKIP() << "needs an X server";
        // Not a first run: the title screen opens on its main menu.
        fs::create_directories(home.dataFolder());
        writeFile(home.dataFolder() / "tamwick.cfg", "[lootbox]\ncatsEnabled=1\n");
    }

    ProgramResult runScreens(std::vector<std::string> args, std::function<void(int)> whileRunning,
                             std::chrono::seconds timeout = 180s)
    {
        ProgramOptions options;
        options.program = TAMWICK_SCREENS_HARNESS;
        options.args = std::move(args);
        options.env["XDG_DATA_HOME"] = home.folder().str();
        options.timeout = timeout;
        options.whileRunning = std::move(whileRunning);
        return runProgram(options);
    }

    std::vector<std::string> lines() const { return logLines(readFile(logFile())); }
    fs::path logFile() const { return home.dataFolder() / "tamwick.log"; }
    bool logged(const std::string& line) const
    {
        std::error_code missing;
        return fs::exists(logFile(), missing) && containsInOrder(lines(), {line});
    }
    // Runs `step` again and again until the log holds the line (or the
    // program ends, or the timeout passes).
    bool stepUntilLogged(int pid, const std::string& line, const std::function<void()>& step,
                         std::chrono::seconds timeout = 120s)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!logged(line)) {
            if (kill(pid, 0) != 0 || std::chrono::steady_clock::now() > deadline)
                return logged(line);
            step();
        }
        return true;
    }
    // The rest of the last log line that starts with the prefix.
    std::optional<std::string> lastWithPrefix(const std::string& prefix) const
    {
        std::optional<std::string> found;
        for (const std::string& line : lines())
            if (line.rfind(prefix, 0) == 0)
                found = line.substr(prefix.size());
        return found;
    }
    // The value of a key of the saved configuration, empty when missing.
    std::string savedValue(const std::string& section, const std::string& key) const
    {
        const std::string text = readFile(home.dataFolder() / "tamwick.cfg");
        std::smatch m;
        const std::regex sectionAt("\\[" + section + "\\]([^\\[]*)");
        if (!std::regex_search(text, m, sectionAt))
            return "";
        const std::string body = m[1];
        if (!std::regex_search(body, m, std::regex("(^|\\n)" + key + "=([^\\n]*)")))
            return "";
        return m[2];
    }

    TempDataHome home;
};

// Presses Escape until the program has ended: the title screen closes on it.
void closeTitleScreen(int pid)
{
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (kill(pid, 0) == 0 && std::chrono::steady_clock::now() < deadline)
        holdKey("Escape");
}

bool differentScreens(const fs::path& a, const fs::path& b)
{
    std::error_code missing;
    return fs::exists(a, missing) && fs::exists(b, missing) && readFile(a) != readFile(b);
}

void shootScreen(const fs::path& path)
{
    // The root window: asked for one window, import may wait for an exposure
    // that never comes.
    std::system(("import -window root " + path.string() + " 2>/dev/null").c_str());
}

}

TEST_F(ScreensProgram, AWholeGameOfTwoKeyboardPlayersEndsInTheTrophyRoomAndReturns)
{
    ProgramResult result = runScreens({"game", "0", "2"}, [&](int pid) {
        if (!waitForWindow())
            return;
        // Player 2 (left Control) lays bombs on itself and loses every round;
        // SPACE closes the results once they are open to it. (Under Xvfb the
        // right Control key also reports the left one down, so player 1 keeps
        // its hands still.)
        stepUntilLogged(pid, "Game over; back to the title screen", [] {
            holdKey("Control_L");
            holdKey("space");
        });
        closeTitleScreen(pid);
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    const auto log = lines();
    EXPECT_TRUE(containsInOrder(log, {"Begin game", "Round over", "Trophy room: 2 rows", "Trophy room closed",
                                      "Begin game", "Round over", "Trophy room: 2 rows, final score",
                                      "Trophy room closed", "Game ended", "Game over; back to the title screen"}))
        << readFile(logFile());
    EXPECT_FALSE(containsInOrder(log, {"Quit"}));
}

TEST_F(ScreensProgram, QuittingFromThePauseMenuLeavesAReplayThatPlaysBack)
{
    ProgramResult result = runScreens({"game", "0", "5"}, [&](int pid) {
        if (!waitForWindow())
            return;
        if (!stepUntilLogged(pid, "Pause menu opened", [] { holdKey("Escape"); }, 30s))
            return;
        // Up from "Resume game" wraps round to "Quit to main menu"; a press
        // held long enough to move twice is put right from what the log says.
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        std::string selected = "Resume game";
        while (selected != "Quit to main menu" && std::chrono::steady_clock::now() < deadline) {
            holdKey(selected == "Reassign controls" ? "Down" : "Up");
            selected = lastWithPrefix("Pause menu selection: ").value_or(selected);
        }
        holdKey("Return");
        waitForLogLine(logFile(), "Game over; back to the title screen", 30s);
        closeTitleScreen(pid);
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    const auto log = lines();
    EXPECT_TRUE(containsInOrder(log, {"Begin game", "Pause menu opened", "Pause menu: quit", "Quit",
                                      "Game ended", "Game over; back to the title screen"}))
        << readFile(logFile());
    EXPECT_FALSE(anyLineStartsWith(log, "Trophy room")) << "a quit round has no results";

    std::vector<fs::path> replays;
    for (const auto& entry : fs::directory_iterator(home.dataFolder() / "replays"))
        if (entry.path().extension() == ".replay")
            replays.push_back(entry.path());
    ASSERT_EQ(replays.size(), 1u);
    ProgramOptions verify;
    verify.program = TAMWICK_HARNESS;
    verify.args = {"verify", replays[0].string()};
    verify.env["XDG_DATA_HOME"] = home.folder().str();
    verify.timeout = 120s;
    ProgramResult played = runProgram(verify);
    EXPECT_EQ(played.exitStatus, 0) << played.output;
    EXPECT_NE(played.output.find("VERIFIED " + replays[0].string()), std::string::npos) << played.output;
}

TEST_F(ScreensProgram, TheCreditsDriftUntilEscapeClosesThem)
{
    bool drifted = false;
    ProgramResult result = runScreens({"credits"}, [&](int pid) {
        if (!waitForWindow() || !waitForLogLine(logFile(), "Credits shown"))
            return;
        const fs::path first = home.folder().path() / "first.png";
        const fs::path later = home.folder().path() / "later.png";
        shootScreen(first);
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (!drifted && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(200ms);
            shootScreen(later);
            drifted = differentScreens(first, later);
        }
        stepUntilLogged(pid, "Credits closed", [] { holdKey("Escape"); }, 30s);
        closeTitleScreen(pid);
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_TRUE(drifted) << "the picture never changed";
    EXPECT_TRUE(containsInOrder(lines(), {"Credits shown", "Credits closed"})) << readFile(logFile());
}

TEST_F(ScreensProgram, TheLootBoxRoomCountsUnlocksAndSavesItsTotal)
{
    ProgramResult result = runScreens({"lootbox", "0", "30"}, [&](int pid) {
        if (!waitForWindow() || !waitForLogLine(logFile(), "Unlocked Squirrel"))
            return;
        stepUntilLogged(pid, "Loot-box room closed at 30 points", [] { holdKey("space"); }, 60s);
        closeTitleScreen(pid);
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_TRUE(containsInOrder(lines(), {"Loot-box room: 0 to 30 points", "Unlocked Alien1", "Unlocked Santa",
                                          "Unlocked PetPhoto3", "Unlocked Squirrel",
                                          "Loot-box room closed at 30 points"}))
        << readFile(logFile());
    EXPECT_EQ(savedValue("lootbox", "lootboxPoints"), "30");
    for (const char* key : {"Alien1", "Santa", "PetPhoto3", "Squirrel"})
        EXPECT_EQ(savedValue("lootbox", key), "1") << key;
    EXPECT_EQ(savedValue("lootbox", "Marmite"), "");
}

TEST_F(ScreensProgram, UnlocksSurviveTheProgramBeingKilled)
{
    ProgramResult result = runScreens({"lootbox", "0", "200"}, [&](int pid) {
        if (waitForWindow() && waitForLogLine(logFile(), "Unlocked Santa"))
            kill(pid, SIGKILL);
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.signal, SIGKILL) << result.output;
    EXPECT_EQ(savedValue("lootbox", "Alien1"), "1");
    EXPECT_EQ(savedValue("lootbox", "Santa"), "1");
    // The total stays where it was, so the rest is counted at the next visit.
    EXPECT_EQ(savedValue("lootbox", "lootboxPoints"), "0");
}
