// Arbitrary bytes as the configuration file that start-up finds. The file is
// opened as start-up opens it and every setting is read from it: each must lie
// in its range, and a save followed by a fresh start-up read must give every
// known key the same value. A file that cannot be read must be left exactly as
// it was.
#include <allegro5/allegro.h>
#include <sanitizer/common_interface_defs.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "frame/accessibility_settings.h"
#include "frame/config.h"
#include "frame/config_file.h"
#include "frame/config_option.h"
#include "frame/settings.h"

namespace {

struct Key {
    const char* section;
    const char* name;
};

// Every key the program reads or writes (loot-box items aside, whose names
// come from the loot-box room).
const Key knownKeys[] = {
    {"video", "colourdepth"}, {"video", "sync"}, {"video", "vsync"}, {"video", "width"},
    {"video", "height"}, {"video", "windowed"}, {"video", "display"}, {"video", "updaterate"},
    {"sound", "soundEffectsVolume"}, {"sound", "musicVolume"}, {"controls", "menuControlMode"},
    {"controls", "xinputDpadEnabled"}, {"other", "diagnostic"}, {"other", "autoRandomControls"},
    {"other", "replayRecordingEnabled"}, {"other", "showReplayTestOptions "},
    {"other", "showReplayTestOptions"}, {"other", "alwaysShowFPS"}, {"other", "showQuickStartOption"},
    {"lootbox", "lootboxesEnabled"}, {"lootbox", "lootboxPoints"}, {"lootbox", "catsEnabled"},
    {"lootbox", "dogsEnabled"}, {"lootbox", "hamstersEnabled"}, {"lootbox", "owlsEnabled"},
    {"lootbox", "ferretsEnabled"}, {"accessibility", "bgcol"}, {"accessibility", "ghostOpacity"},
    {"accessibility", "recolourBombs"}, {"accessibility", "outlineEnabled"},
    {"accessibility", "outlineCol"}, {"accessibility", "newBombCol"},
    {"accessibility", "flashingEnabled"}, {"accessibility", "autoLoad"},
};

// Printed where the sanitizers report, which stays open when the run closes
// standard error to silence the program's log.
[[noreturn]] void fail(const std::string& what)
{
    __sanitizer_report_error_summary(("config_reader_fuzzer: " + what).c_str());
    std::abort();
}

void check(bool holds, const std::string& what)
{
    if (!holds)
        fail(what);
}

// Everything start-up and the menus read from the file, as text.
std::string readEverything()
{
    std::ostringstream out;
    StartupSettings s = readStartupSettings();
    check(isValidUpdateRate(s.updateRate), "update rate " + std::to_string(s.updateRate));
    check(s.soundEffectsVolume >= 0 && s.soundEffectsVolume <= 100, "effects volume");
    check(s.musicVolume >= 0 && s.musicVolume <= 100, "music volume");
    check(s.display >= -1, "display " + std::to_string(s.display));
    check(menuControlMode >= 0 && menuControlMode <= 2, "menu control mode");
    out << s.width << ' ' << s.height << ' ' << s.display << ' ' << s.windowed << ' '
        << s.soundEffectsVolume << ' ' << s.musicVolume << ' ' << s.updateRate << ' ' << vsyncEnabled
        << menuControlMode << xinputDpadEnabled << diagnosticMode << autoRandomControls
        << replayRecordingEnabled << showReplayTestOptions << alwaysShowFPS << lootboxesEnabled << ' '
        << lootboxPoints;

    AccessibilitySettings a;
    AccessibilitySettings::load(a);
    check(a.bgcol >= 0 && a.bgcol < backgroundColourCount, "background colour");
    check(a.ghostOpacity >= 0 && a.ghostOpacity <= 255, "ghost opacity");
    out << ' ' << a.bgcol << ' ' << a.ghostOpacity << ' ' << a.outlineEnabled << a.recolourBombs
        << a.flashingEnabled;
    for (RGB c : {a.outlineCol, a.newBombCol})
        out << ' ' << int(c.r) << ',' << int(c.g) << ',' << int(c.b);

    for (const Key& key : knownKeys) {
        // A fresh option each time: the program's own ones keep what they first read.
        ConfigOptionWrapper<bool> option(key.section, key.name, "", false);
        const char* text = al_get_config_value(config, key.section, key.name);
        out << '\n' << key.section << '/' << key.name << '=' << (text ? text : "(none)") << ' '
            << getConfigInt(key.section, key.name, -999) << ' ' << option.get();
    }
    return out.str();
}

std::string fileBytes()
{
    std::ifstream in(configPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFileBytes(const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(configPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    if (!out)
        fail("cannot write " + configPath);
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!al_install_system(ALLEGRO_VERSION_INT, nullptr))
        fail("al_install_system failed");
    // A memory-backed folder when there is one: every run writes and flushes.
    std::filesystem::path base = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                     : std::filesystem::temp_directory_path();
    std::string folder = (base / "tamwick-fuzz-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        fail("mkdtemp failed");
    configPath = folder + "/tamwick.cfg";
    static std::string removeAtExit;
    removeAtExit = folder;
    std::atexit([] { std::filesystem::remove_all(removeAtExit); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeFileBytes(data, size);
    const std::string original = fileBytes();

    openConfigFile();
    check(config != nullptr, "no configuration in memory");
    if (configUnreadable) {
        // Defaults in memory, nothing written, the file as it was.
        for (const Key& key : knownKeys)
            check(!al_get_config_value(config, key.section, key.name), "a key read from an unreadable file");
        readEverything();
        setConfigInt("lootbox", "lootboxPoints", 5);
        check(!saveConfig(), "an unreadable file was saved over");
        check(fileBytes() == original, "an unreadable file changed");
        return 0;
    }

    const std::string before = readEverything();
    check(saveConfig(), "save failed");
    ConfigFileRead saved = readConfigFile(configPath);
    check(saved.state == ConfigFileState::Loaded, "a saved file could not be read back: " + saved.reason);
    al_destroy_config(saved.config);
    openConfigFile();
    const std::string after = readEverything();
    if (before != after)
        fail("save and reload changed values:\n--- before\n" + before + "\n--- after\n" + after);
    return 0;
}
