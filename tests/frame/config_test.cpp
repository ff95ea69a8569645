#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/accessibility_settings.h"
#include "frame/config.h"
#include "frame/config_option.h"
#include "frame/settings.h"
#include "support/allegro_environment.h"
#include "support/read_only_folder.h"
#include "support/temp_folder.h"

namespace {

// A configuration file in a fresh data folder, loaded the way start-up does.
class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureAllegroSystem();
        configPath = (home.dataFolder() / "tamwick.cfg").string();
        std::filesystem::create_directories(home.dataFolder());
    }
    void TearDown() override
    {
        if (config)
            al_destroy_config(config);
        config = nullptr;
    }

    void load(const std::string& text)
    {
        writeFile(configPath, text);
        config = al_load_config_file(configPath.c_str());
        ASSERT_NE(config, nullptr);
    }
    std::string fileText() { return readFile(configPath); }

    TempDataHome home;
};

TEST_F(ConfigTest, MissingKeysTakeTheirDefaultsAndNumbersParseAsStreamsDo)
{
    load("[video]\nwidth=800\nheight=abc\n");
    EXPECT_EQ(getConfigInt("video", "width", 1), 800);
    EXPECT_EQ(getConfigInt("video", "height", 7), 0);
    EXPECT_EQ(getConfigInt("video", "missing", 7), 7);
    EXPECT_TRUE(readConfigBool("video", "missing", true));
    EXPECT_TRUE(readConfigBool("video", "width", false));
}

TEST_F(ConfigTest, OptionsReadLazilyCacheAndSaveOnEveryToggle)
{
    load("[lootbox]\ncatsEnabled=1\n");
    ConfigOptionWrapper<bool> cats("lootbox", "catsEnabled", "Cats", true);
    EXPECT_FALSE(ConfigOptionWrapper<bool>("other", "showQuickStartOption", "Quick Start", false).get());

    cats.toggle();
    EXPECT_FALSE(cats.get());
    EXPECT_NE(fileText().find("catsEnabled=0"), std::string::npos);
    cats.toggle();
    EXPECT_TRUE(cats.get());
    EXPECT_NE(fileText().find("catsEnabled=1"), std::string::npos);

    // The cache is never refreshed from the file.
    al_set_config_value(config, "lootbox", "catsEnabled", "0");
    EXPECT_TRUE(cats.get());
}

TEST_F(ConfigTest, AccessibilitySettingsRoundTripAndKeepValuesAFileLacks)
{
    load("");
    AccessibilitySettings settings;
    settings.bgcol = 3;
    AccessibilitySettings::load(settings);
    settings.recolourBombs = true;
    settings.newBombCol = {9, 8, 7};
    settings.flashingEnabled = false;
    AccessibilitySettings::save(settings);
    AccessibilitySettings reloaded;
    AccessibilitySettings::load(reloaded);
    EXPECT_EQ(reloaded.bgcol, 3);
    EXPECT_TRUE(reloaded.recolourBombs);
    EXPECT_EQ(reloaded.newBombCol, (RGB{9, 8, 7}));
    // Colours are three decimals; Allegro trims the blank after the last one.
    EXPECT_NE(fileText().find("newBombCol=9 8 7\n"), std::string::npos);
    EXPECT_FALSE(reloaded.flashingEnabled);
}

TEST_F(ConfigTest, ValuesThatIndexTablesOrDriveTheTimerAreValidated)
{
    load("[video]\nupdaterate=50\ndisplay=-7\n[sound]\nsoundEffectsVolume=150\nmusicVolume=-4\n"
         "[controls]\nmenuControlMode=7\n[accessibility]\nbgcol=9\nghostOpacity=999\n"
         "outlineCol=300 -5 20\nnewBombCol=-1 256 1000\n");
    StartupSettings s = readStartupSettings();
    EXPECT_EQ(s.updateRate, 60);
    EXPECT_EQ(s.display, -1);
    EXPECT_EQ(s.soundEffectsVolume, 100);
    EXPECT_EQ(s.musicVolume, 0);
    EXPECT_EQ(menuControlMode, 2);
    AccessibilitySettings a;
    AccessibilitySettings::load(a);
    EXPECT_EQ(a.bgcol, 1);
    EXPECT_EQ(a.ghostOpacity, 255);
    // Colour components are clamped, not wrapped (300 would wrap to 44).
    EXPECT_EQ(a.outlineCol, (RGB{255, 0, 20}));
    EXPECT_EQ(a.newBombCol, (RGB{0, 255, 255}));
    setConfigInt("video", "display", 2);
    EXPECT_EQ(readStartupSettings().display, 2);

    for (int rate : {15, 30, 45, 60, 120, 144}) {
        setConfigInt("video", "updaterate", rate);
        EXPECT_EQ(readStartupSettings().updateRate, rate);
    }
}

TEST_F(ConfigTest, AFailedSaveLeavesTheOldFileWhole)
{
    load("[video]\nwidth=800\n");
    std::string before = fileText();
    const auto mode = std::filesystem::status(configPath).permissions();
    al_set_config_value(config, "video", "width", "1024");
    {
        // No temporary file can be made in a folder that cannot be written.
        ReadOnlyFolder readOnly(home.dataFolder(), home.folder().path());
        EXPECT_FALSE(saveConfig());
        EXPECT_EQ(fileText(), before);
    }
    EXPECT_TRUE(saveConfig());
    EXPECT_NE(fileText().find("width=1024"), std::string::npos);
    // A new file's mode, as the test made the old one: 0666 less the umask,
    // never a private temporary file's.
    EXPECT_EQ(std::filesystem::status(configPath).permissions(), mode);
}

// A save whose rename fails removes its own temporary file and nothing else:
// the other names beside it may be another copy's unfinished saves.
TEST_F(ConfigTest, AFailedRenameRemovesOnlyTheSavesOwnTemporaryFile)
{
    load("[video]\nwidth=800\n");
    // The settings' name is a folder that holds something: no file can be
    // renamed over it, so the save fails at its rename.
    std::filesystem::remove(configPath);
    std::filesystem::create_directory(configPath);
    writeFile(configPath + "/inside", "inside");
    const std::string own = configPath + "." + std::to_string(getpid()) + "-";
    const std::string another = configPath + "." + std::to_string(getpid() + 1) + "-";
    const std::vector<std::string> others = {configPath + ".tmp", another + "0.tmp", another + "1.tmp",
                                             own + "1000000.tmp"};
    for (const std::string& other : others)
        writeFile(other, "another copy's save " + other);
    const auto names = [&] {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(home.dataFolder()))
            found.push_back(entry.path().string());
        std::sort(found.begin(), found.end());
        return found;
    };
    const std::vector<std::string> before = names();

    EXPECT_FALSE(saveConfig());
    EXPECT_EQ(names(), before);
    for (const std::string& other : others)
        EXPECT_EQ(readFile(other), "another copy's save " + other);
    EXPECT_EQ(readFile(configPath + "/inside"), "inside");
}

// Two copies of the game saving one settings file at once, as two windows
// left open would: a reader only ever finds one whole save under the name,
// and no copy's save fails or leaves a file behind.
TEST_F(ConfigTest, TwoCopiesSavingAtOnceLeaveOneWholeSaveUnderTheName)
{
    constexpr int keys = 40;
    const auto fill = [](const std::string& value) {
        for (int k = 0; k < keys; ++k)
            al_set_config_value(config, "keys", ("key" + std::to_string(k)).c_str(), value.c_str());
    };
    // True when every key holds the value of one save.
    const auto whole = [](ALLEGRO_CONFIG* read) {
        const char* first = read ? al_get_config_value(read, "keys", "key0") : nullptr;
        bool same = first != nullptr;
        for (int k = 1; same && k < keys; ++k) {
            const char* value = al_get_config_value(read, "keys", ("key" + std::to_string(k)).c_str());
            same = value && std::string(value) == first;
        }
        if (read)
            al_destroy_config(read);
        return same;
    };
    load("");
    fill("before");
    ASSERT_TRUE(saveConfig());

    // Each writer is a process of its own; its exit status says whether every
    // one of its saves succeeded.
    std::vector<pid_t> writers;
    for (int writer : {1, 2}) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            bool saved = true;
            for (int i = 0; i < 300; ++i) {
                fill("writer " + std::to_string(writer) + " save " + std::to_string(i));
                saved = saveConfig() && saved;
            }
            _exit(saved ? 0 : 1);
        }
        writers.push_back(pid);
    }
    int torn = 0;
    for (std::size_t ended = 0; ended < writers.size();) {
        torn += !whole(al_load_config_file(configPath.c_str()));
        for (pid_t& pid : writers) {
            int status = 0;
            if (pid > 0 && waitpid(pid, &status, WNOHANG) == pid) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
                pid = 0;
                ++ended;
            }
        }
    }
    EXPECT_EQ(torn, 0);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(home.dataFolder()))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"tamwick.cfg"});
}
}
