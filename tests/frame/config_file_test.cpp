#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "frame/accessibility_settings.h"
#include "frame/config.h"
#include "frame/config_file.h"
#include "frame/config_option.h"
#include "frame/settings.h"
#include "frame/utf8.h"
#include "support/allegro_environment.h"
#include "support/default_config.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

// Every fsync of this test program passes through here, so a test can see
// which file was flushed, and under which name, before the call returns.
namespace {
std::vector<std::string> syncedPaths;
}

extern "C" int fsync(int fd)
{
    char name[PATH_MAX] = {};
    std::string link = "/proc/self/fd/" + std::to_string(fd);
    if (readlink(link.c_str(), name, sizeof name - 1) > 0)
        syncedPaths.push_back(name);
    return int(syscall(SYS_fsync, fd));
}

namespace {

// Start-up's configuration in a fresh data folder.
class ConfigFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureAllegroSystem();
        fs::create_directories(home.dataFolder());
        configPath = path().string();
    }
    void TearDown() override
    {
        if (config)
            al_destroy_config(config);
        config = nullptr;
        configUnreadable = false;
    }

    fs::path path() const { return home.dataFolder() / "tamwick.cfg"; }

    TempDataHome home;
};

// Something under the file's name that is not a readable configuration.
struct Unreadable {
    const char* what;
    std::function<void(const fs::path&)> make;
    const char* reason;
};

const std::string hangingKey = "\xF4\xBF\xB8\xAA\xF4\xBF\xB8\xAA";

const Unreadable unreadableFiles[] = {
    {"dangling link", [](const fs::path& p) { fs::create_symlink(p.parent_path() / "gone.cfg", p); },
     "it is a link to a file that does not exist"},
    {"link loop", [](const fs::path& p) { fs::create_symlink(p, p); },
     "Too many levels of symbolic links"},
    {"folder", [](const fs::path& p) { fs::create_directory(p); }, "it is not a regular file"},
    {"pipe", [](const fs::path& p) { mkfifo(p.c_str(), 0600); }, "it is not a regular file"},
    {"invalid UTF-8",
     [](const fs::path& p) {
         writeFile(p, "[lootbox]\nlootboxPoints=90\n" + hangingKey + "=1\n" + hangingKey + hangingKey + "=2\n");
     },
     "it is not valid UTF-8 text"},
    {"NUL byte", [](const fs::path& p) { writeFile(p, std::string("[other]\nk\0[e=1\n", 14)); },
     "it holds a NUL byte"},
    {"oversized", [](const fs::path& p) { writeFile(p, std::string(maxConfigFileSize + 1, '#')); },
     "it is larger than 1048576 bytes"},
};

// What lies at the path, as the test sees it: a link's target or the bytes.
std::string snapshot(const fs::path& p)
{
    std::error_code error;
    if (fs::is_symlink(p, error))
        return "link to " + fs::read_symlink(p).string();
    if (fs::is_regular_file(p, error))
        return readFile(p);
    return "other";
}

TEST_F(ConfigFileTest, OnlyAMissingFileIsCreatedWithTheDefaults)
{
    ASSERT_EQ(readConfigFile(configPath).state, ConfigFileState::Missing);
    openConfigFile();
    EXPECT_EQ(readFile(path()), defaultConfigText);
    EXPECT_FALSE(configUnreadable);

    // "sync" and the key with a trailing blank are never read: vertical sync
    // off, the replay test options hidden.
    readStartupSettings();
    EXPECT_FALSE(vsyncEnabled);
    EXPECT_FALSE(showReplayTestOptions);

    // A second start loads the file as it is.
    writeFile(path(), "[lootbox]\nlootboxPoints=7\n[other]\nnäme=ö\n");
    openConfigFile();
    EXPECT_EQ(getConfigInt("lootbox", "lootboxPoints", 0), 7);
    EXPECT_STREQ(al_get_config_value(config, "other", "näme"), "ö");
    EXPECT_EQ(readFile(path()), "[lootbox]\nlootboxPoints=7\n[other]\nnäme=ö\n");
}

TEST_F(ConfigFileTest, AFileThatCannotBeReadIsLoggedLeftAloneAndNeverWrittenOver)
{
    for (const Unreadable& u : unreadableFiles) {
        SCOPED_TRACE(u.what);
        fs::remove_all(path());
        u.make(path());
        const std::string before = snapshot(path());

        ConfigFileRead read = readConfigFile(configPath);
        EXPECT_EQ(read.state, ConfigFileState::Unreadable);
        EXPECT_EQ(read.config, nullptr);
        EXPECT_EQ(read.reason, u.reason);

        LogCapture log;
        openConfigFile();
        ASSERT_NE(config, nullptr);
        EXPECT_TRUE(configUnreadable);
        ASSERT_FALSE(log.lines().empty());
        EXPECT_EQ(log.lines()[0].rfind("Could not read configuration file " + configPath + ": " + u.reason, 0), 0u)
            << log.lines()[0];

        // Defaults in memory; changes stay there.
        StartupSettings s = readStartupSettings();
        EXPECT_EQ(s.updateRate, 60);
        EXPECT_EQ(lootboxPoints, 0);
        setConfigInt("lootbox", "lootboxPoints", 12);
        EXPECT_EQ(getConfigInt("lootbox", "lootboxPoints", 0), 12);
        AccessibilitySettings::save(AccessibilitySettings{});
        EXPECT_FALSE(saveConfig());

        EXPECT_EQ(snapshot(path()), before);
        EXPECT_FALSE(fs::exists(configPath + ".tmp"));
        EXPECT_FALSE(fs::exists(path().parent_path() / "gone.cfg"));
    }
}

TEST_F(ConfigFileTest, AFileWithoutReadPermissionIsUnreadable)
{
    writeFile(path(), "[video]\nwidth=800\n");
    chmod(path().c_str(), 0);
    fs::permissions(home.folder().path(), fs::perms::all, fs::perm_options::add);
    fs::permissions(home.dataFolder(), fs::perms::all, fs::perm_options::add);
    // The superuser reads anything, so the reader runs as nobody in a child.
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && setuid(65534) != 0)
                _exit(2);
            ConfigFileRead read = readConfigFile(configPath);
            _exit(read.state == ConfigFileState::Unreadable && read.reason == "Permission denied" ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ConfigFileTest, SavesFlushTheNewFileBeforeItReplacesTheOld)
{
    openConfigFile();
    syncedPaths.clear();
    setConfigInt("lootbox", "lootboxPoints", 40);
    // The data under the save's own temporary name beside the file reached the
    // disk, then the rename did.
    ASSERT_EQ(syncedPaths.size(), 2u);
    EXPECT_EQ(syncedPaths[0].rfind(configPath + ".", 0), 0u) << syncedPaths[0];
    EXPECT_EQ(fs::path(syncedPaths[0]).extension(), ".tmp");
    EXPECT_FALSE(fs::exists(syncedPaths[0]));
    EXPECT_EQ(syncedPaths[1], home.dataFolder().string());
    EXPECT_NE(readFile(path()).find("lootboxPoints=40\n"), std::string::npos);
}

TEST_F(ConfigFileTest, AStaleTemporaryFileFromAKilledRunIsHarmless)
{
    openConfigFile();
    for (auto leave : std::vector<std::function<void(const fs::path&)>>{
             [&](const fs::path& p) { writeFile(p, "[video]\nwidth=half written"); },
             [&](const fs::path& p) { fs::create_symlink(home.folder().path() / "elsewhere", p); }}) {
        // A save's temporary name, seen as it is flushed, gives the names the
        // next save tries. Whatever stands under them, or under an older run's
        // name, may be another copy's unfinished file: it is passed over, never
        // written through or removed.
        syncedPaths.clear();
        setConfigInt("video", "width", 800);
        ASSERT_FALSE(syncedPaths.empty());
        const std::string stem = syncedPaths[0].substr(0, syncedPaths[0].rfind('-') + 1);
        const int count = std::stoi(syncedPaths[0].substr(stem.size()));
        std::vector<fs::path> temporaries = {configPath + ".tmp"};
        for (int next = count + 1; next <= count + 3; ++next)
            temporaries.push_back(stem + std::to_string(next) + ".tmp");
        for (const fs::path& temporary : temporaries)
            leave(temporary);
        const std::string before = snapshot(temporaries.back());

        setConfigInt("video", "width", 1024);
        EXPECT_NE(readFile(path()).find("width=1024\n"), std::string::npos);
        for (const fs::path& temporary : temporaries) {
            EXPECT_EQ(snapshot(temporary), before) << temporary;
            fs::remove(temporary);
        }
        EXPECT_FALSE(fs::exists(home.folder().path() / "elsewhere"));
    }
}

// Each save takes a name of this process's own, one its earlier saves never
// used: a name used before may be another save's that is still under way.
TEST_F(ConfigFileTest, EachSaveTakesATemporaryNameOfItsOwn)
{
    openConfigFile();
    const std::string stem = configPath + "." + std::to_string(getpid()) + "-";
    unsigned long previous = 0;
    for (int save = 0; save < 3; ++save) {
        syncedPaths.clear();
        setConfigInt("video", "width", 800 + save);
        ASSERT_FALSE(syncedPaths.empty());
        const std::string& name = syncedPaths[0];
        ASSERT_EQ(name.rfind(stem, 0), 0u) << name;
        ASSERT_GT(name.size(), stem.size() + 4) << name;
        ASSERT_EQ(name.substr(name.size() - 4), ".tmp") << name;
        const std::string count = name.substr(stem.size(), name.size() - stem.size() - 4);
        ASSERT_EQ(count.find_first_not_of("0123456789"), std::string::npos) << name;
        const unsigned long number = std::stoul(count);
        if (save > 0)
            EXPECT_GT(number, previous) << name;
        previous = number;
    }
}

TEST(Utf8, WellFormedTextOnly)
{
    for (std::string good : std::vector<std::string>{"", "plain", "n\xC3\xA4me", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF",
                             std::string("nul\0inside", 10)})
        EXPECT_TRUE(isValidUtf8(good)) << good;
    // Past U+10FFFF, surrogates, overlong forms, stray and missing continuation bytes.
    for (std::string bad : std::vector<std::string>{"\xF4\xBF\xB8\xAA", "\xF4\x90\x80\x80", "\xED\xA0\x80", "\xC0\xAF", "\xE0\x80\xAF",
                            "\xF0\x80\x80\xAF", "\x80", "abc\xC3", "\xE2\x82", "\xF5\x80\x80\x80", "\xFF"})
        EXPECT_FALSE(isValidUtf8(bad)) << testing::PrintToString(bad);
}

}
