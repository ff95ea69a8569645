// The settings screens in the whole program under an X server, driven by
// keys through tamwick_menu_runner and followed through its log.
#include <gtest/gtest.h>

#include <sstream>

#include "support/program_runner.h"
#include "support/screen_capture.h"
#include "support/runner_log.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"

namespace fs = std::filesystem;

namespace {

class SettingsScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveDisplay())
            GTEST_SKIP() << "needs an X server";
    }

    // Runs the screen; `drive` gets the log and reports what it reached.
    ProgramResult run(const std::string& screen, const std::function<void(RunnerLog&)>& drive)
    {
        return runMenuRunner(TAMWICK_MENU_RUNNER, screen, home, drive);
    }
    fs::path logFile() const { return home.dataFolder() / "tamwick.log"; }
    fs::path configFile() const { return home.dataFolder() / "tamwick.cfg"; }
    std::vector<std::string> lines() const { return logLines(readFile(logFile())); }
    // The value of "key=" in the saved configuration ("" when absent).
    std::string saved(const std::string& key) const
    {
        std::istringstream file(readFile(configFile()));
        for (std::string line; std::getline(file, line);)
            if (line.rfind(key + "=", 0) == 0)
                return line.substr(key.size() + 1);
        return "";
    }
    TempDataHome home;
};

// Shows the Settings and Accessibility menus (saving their pictures), and
// the replay switch reaches the file only when Settings closes.
TEST_F(SettingsScreens, SettingsSaveTheirSwitchesWhenClosed)
{
    std::vector<std::string> reached;
    std::string savedWhileOpen = "unread";
    bool settingsShot = false, accessibilityShot = false;
    ProgramResult result = run("settings", [&](RunnerLog& log) {
        if (!log.waitForLine("Selected: Display"))
            return;
        settingsShot = saveMenuScreenshot(screenshotFile("settings_menu.png"));
        if (!selectEntry(log, "Replays") || !pressUntilLine("Return", log, "Entry: Replay settings") ||
            !log.waitForPrefix("Selected: Record replay data") || !selectEntry(log, "Show replay test option") ||
            !pressUntilSelected("Right", log, "Show replay test option: On") ||
            !pressUntilLine("Escape", log, "Selected: Replays"))
            return;
        reached.push_back("replay settings");
        if (!selectEntry(log, "Accessibility") || !pressUntilLine("Return", log, "Entry: Accessibility settings") ||
            !log.waitForLine("Selected: In-game background colour: Green"))
            return;
        accessibilityShot = saveMenuScreenshot(screenshotFile("accessibility_menu.png"));
        if (!pressUntilLine("Escape", log, "Selected: Accessibility"))
            return;
        savedWhileOpen = saved("showReplayTestOptions");
        if (pressUntilLine("Escape", log, "Menu runner done", false))
            reached.push_back("closed");
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_EQ(reached, (std::vector<std::string>{"replay settings", "closed"})) << readFile(logFile());
    EXPECT_TRUE(settingsShot);
    EXPECT_TRUE(accessibilityShot);

    EXPECT_EQ(savedWhileOpen, "") << "written before Settings closed";
    EXPECT_EQ(saved("showReplayTestOptions"), "1");
    EXPECT_EQ(saved("showReplayTestOptions "), "0") << "the key with the blank stays as created";
    EXPECT_EQ(saved("replayRecordingEnabled"), "1");
    EXPECT_EQ(saved("menuControlMode"), "2");
    EXPECT_EQ(saved("alwaysShowFPS"), "0");
}

// Each volume step is heard and saved while the screen is still open.
TEST_F(SettingsScreens, TheAudioScreenWritesItsKeysWhileOpen)
{
    std::string musicShown, musicWhileOpen, effectsShown, effectsWhileOpen;
    bool closed = false;
    ProgramResult result = run("audio", [&](RunnerLog& log) {
        // A held arrow may step more than once: what counts is what is shown.
        if (!log.waitForLine("Selected: Music volume: 100") ||
            !pressUntilPrefix("Right", log, "Selected: Music volume: "))
            return;
        log.catchUp();
        musicShown = log.selected();
        musicWhileOpen = saved("musicVolume");
        if (!selectEntry(log, "Sound effects volume") || !pressUntilPrefix("Left", log, "Selected: Sound effects volume: "))
            return;
        log.catchUp();
        effectsShown = log.selected();
        effectsWhileOpen = saved("soundEffectsVolume");
        closed = pressUntilLine("Escape", log, "Audio screen closed", false);
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_TRUE(closed) << readFile(logFile());
    EXPECT_EQ("Music volume: " + musicWhileOpen, musicShown);
    EXPECT_NE(musicWhileOpen, "100");
    EXPECT_EQ("Sound effects volume: " + effectsWhileOpen, effectsShown);
    EXPECT_NE(effectsWhileOpen, "60");
    EXPECT_EQ(saved("musicVolume"), musicWhileOpen);
    EXPECT_EQ(saved("soundEffectsVolume"), effectsWhileOpen);
}

// A mode change that is undone returns to the mode before it: from a
// full-screen window to a window and back; a confirmed one is saved.
TEST_F(SettingsScreens, AnUndoneModeChangeReturnsToFullscreenAndAConfirmedOneIsSaved)
{
    std::vector<std::string> reached;
    std::string windowedWhileAsking = "unread";
    ProgramResult result = run("screenmode", [&](RunnerLog& log) {
        auto applyWindowed = [&] {
            return selectEntry(log, "Windowed, 1920x1080") &&
                   pressUntilLine("Return", log, "Selected mode: Windowed, 1920x1080") &&
                   selectEntry(log, "Apply") && pressUntilPrefix("Return", log, "Message: Confirm screen mode change");
        };
        if (!applyWindowed())
            return;
        windowedWhileAsking = saved("windowed");
        if (!pressUntilLine("Escape", log, "Message answered: no") ||
            !log.waitForLine("Selected mode: Fullscreen window"))
            return;
        reached.push_back("undone");
        if (!applyWindowed() || !pressUntilLine("y", log, "Message answered: yes"))
            return;
        reached.push_back("confirmed");
        if (pressUntilLine("Escape", log, "Menu runner done", false))
            reached.push_back("closed");
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_EQ(reached, (std::vector<std::string>{"undone", "confirmed", "closed"})) << readFile(logFile());
    EXPECT_EQ(windowedWhileAsking, "0") << "nothing is saved before the answer";
    // The display itself, as the runner reads it: a window while asking, the
    // full-screen window again after the undo, and the window once kept.
    EXPECT_TRUE(containsInOrder(lines(), {"Display: 1920x1080 fullscreen", "Changing video mode to 1920x1080, windowed",
                                          "Display: 1920x1080 windowed", "Message answered: no",
                                          "Mode change cancelled", "Changing video mode to fullscreen window",
                                          "Display: 1920x1080 fullscreen", "Display: 1920x1080 windowed",
                                          "Message answered: yes", "Mode change confirmed", "Menu runner done"}))
        << readFile(logFile());
    EXPECT_EQ(saved("width"), "1920");
    EXPECT_EQ(saved("height"), "1080");
    EXPECT_EQ(saved("windowed"), "1");
    EXPECT_EQ(saved("display"), "-1");
}

// And from a window to a full-screen window and back to the window.
TEST_F(SettingsScreens, AnUndoneModeChangeReturnsToTheWindow)
{
    fs::create_directories(home.dataFolder());
    writeFile(configFile(), "[video]\nwidth=1920\nheight=1080\nwindowed=1\n");
    bool closed = false;
    ProgramResult result = run("screenmode", [&](RunnerLog& log) {
        closed = log.waitForPrefix("Selected: Fullscreen window") &&
                 pressUntilLine("Return", log, "Selected mode: Fullscreen window") && selectEntry(log, "Apply") &&
                 pressUntilPrefix("Return", log, "Message: Confirm screen mode change") &&
                 pressUntilLine("Escape", log, "Message answered: no") &&
                 log.waitForLine("Selected mode: Windowed, 1920x1080") &&
                 pressUntilLine("Escape", log, "Menu runner done", false);
    });
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_TRUE(closed) << readFile(logFile());
    EXPECT_TRUE(containsInOrder(lines(), {"Display: 1920x1080 windowed", "Changing video mode to fullscreen window",
                                          "Display: 1920x1080 fullscreen", "Message answered: no",
                                          "Mode change cancelled", "Changing video mode to 1920x1080, windowed",
                                          "Display: 1920x1080 windowed", "Menu runner done"}))
        << readFile(logFile());
    EXPECT_EQ(saved("windowed"), "1");
}

}
