// The whole program under an X server: start-up, the title screen, shutdown.
#include <gtest/gtest.h>

#include <allegro5/allegro.h>
#include <signal.h>

#include <chrono>
#include <memory>
#include <regex>
#include <thread>

#include "support/placeholder_assets.h"
#include "support/past_first_run.h"
#include "support/program_copy.h"
#include "support/program_runner.h"
#include "support/screen_capture.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"
#include "support/x11_window.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::vector<std::string> shutdownLines = {"Shut down sound", "Destroying shaders",
                                                "Destroying bitmaps", "Closing log file"};

// Whether the screenshot shows the title screen's menu: its selection band
// across the screen and entry text in the menu colour.
bool showsMenu(const fs::path& shot)
{
    ScreenImage image(shot);
    if (!image.loaded())
        return false;
    const auto band = [](const std::array<int, 3>& p) { return p == std::array<int, 3>{64, 64, 64}; };
    const auto text = [](const std::array<int, 3>& p) { return p == std::array<int, 3>{200, 255, 200}; };
    return image.count(0, 320, 1918, 320, band) > 1500 && image.count(0, 300, 1919, 350, text) > 50;
}

// The generated assets when the run folder has them all, else placeholder
// assets with a copy of the program beside them.
class ProgramFolder {
public:
    ProgramFolder()
    {
        if (hasCompleteAssets(runFolder())) {
            path_ = runFolder();
        } else {
            temp_ = std::make_unique<TempFolder>();
            writePlaceholderRunFolder(temp_->path());
            copyProgramInto(temp_->path());
            path_ = temp_->path();
        }
    }
    const fs::path& path() const { return path_; }
    fs::path program() const { return path_ / "tamwick"; }

private:
    std::unique_ptr<TempFolder> temp_;
    fs::path path_;
};

}

TEST(ProgramDisplay, StartsWithSoundAndMusicShowsTheMenuAndShutsDownInOrder)
{
    TempDataHome home;
    // Straight to the main menu, which one Escape closes.
    writePastFirstRunConfig(home);
    ProgramFolder folder;
    const fs::path shot = screenshotFile("startup_menu.png");
    bool menuSeen = false;
    ProgramOptions o;
    o.program = folder.program();
    o.workingFolder = folder.path();
    o.whileRunning = [&](int pid) {
        if (!waitForWindow())
            return;
        const fs::path attempt = home.folder().path() / "shot.png";
        for (int i = 0; i < 100 && kill(pid, 0) == 0 && !menuSeen; ++i) {
            std::this_thread::sleep_for(200ms);
            captureScreen(attempt);
            menuSeen = showsMenu(attempt);
        }
        if (menuSeen)
            fs::copy_file(attempt, shot, fs::copy_options::overwrite_existing);
        holdKeyUntilExit(pid, "Escape");
    };
    ProgramResult result = runProgram(o);
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.signal, 0) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_TRUE(menuSeen) << "no menu on the title screen";
    EXPECT_EQ(result.output.find("exception"), std::string::npos) << result.output;

    std::vector<std::string> lines = logLines(readFile(home.dataFolder() / "tamwick.log"));
    EXPECT_TRUE(containsInOrder(lines, {"Log file opened", "SteamListener init", "Allegro init",
                                        "Getting config settings", "Installing sound",
                                        "Detected desktop resolution: 1920x1080",
                                        "Changing video mode to fullscreen window",
                                        "Setting display flags", "Adapter: -1",
                                        "Create display: 1920 1080", "Register event sources"}))
        << result.output;
    std::regex changed("Changed video mode to fullscreen window, [0-9]+ bit colour, "
                       "(non )?single buffered");
    auto it = std::find_if(lines.begin(), lines.end(),
                           [&](const std::string& line) { return std::regex_match(line, changed); });
    ASSERT_NE(it, lines.end()) << result.output;
    // The menu's music plays, or is reported missing when the build made none;
    // exit status 0 after "Shut down sound" means every sound thread was joined.
    std::vector<std::string> rest = {fs::exists(folder.path() / "music/Zoo.ogg")
                                         ? "Playing music music/Zoo.ogg"
                                         : "Music music/Zoo.ogg could not be played; continuing without music (in " +
                                               fs::canonical(folder.path()).string() + ")",
                                     "Title screen ready"};
    rest.insert(rest.end(), shutdownLines.begin(), shutdownLines.end());
    EXPECT_TRUE(containsInOrder(std::vector<std::string>(it, lines.end()), rest)) << result.output;
}

TEST(ProgramDisplay, ClosingTheWindowOnTheTitleScreenShutsDownInOrder)
{
    TempDataHome home;
    ProgramFolder folder;
    const fs::path logFile = home.dataFolder() / "tamwick.log";
    bool sent = false;
    ProgramOptions o;
    o.program = folder.program();
    o.workingFolder = folder.path();
    o.timeout = 30s;
    o.whileRunning = [&](int) {
        if (waitForWindow() && waitForLogLine(logFile, "Title screen ready"))
            sent = sendCloseRequest("Tamwick");
    };
    ProgramResult result = runProgram(o);
    ASSERT_TRUE(sent) << result.output;
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.signal, 0) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    std::vector<std::string> expected = {"Title screen ready", "Quit requested: the window was closed"};
    expected.insert(expected.end(), shutdownLines.begin(), shutdownLines.end());
    EXPECT_TRUE(containsInOrder(logLines(readFile(logFile)), expected)) << result.output;
}

TEST(ProgramDisplay, MissingAssetsEndWithAClearErrorAndAnOrderlyShutdown)
{
    struct Case {
        std::function<void(const fs::path&)> breakFolder;
        std::string message;
    };
    const Case cases[] = {
        {[](const fs::path& f) { fs::remove(f / "gfx/Bomb7.png"); }, "Image not found: Bomb7"},
        {[](const fs::path& f) { writeFile(f / "gfx/Explo2.png", "garbage"); },
         "Error loading ./gfx/Explo2.png"},
        {[](const fs::path& f) { fs::remove(f / "fonts/OCRA.ttf"); }, "Error loading fonts!"},
        {[](const fs::path& f) { fs::remove(f / "shaders/pixel_recolour.glsl"); },
         "al_attach_shader_source_file failed: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TempDataHome home;
        TempFolder folder;
        writePlaceholderRunFolder(folder.path());
        c.breakFolder(folder.path());
        ProgramOptions o;
        o.program = copyProgramInto(folder.path());
        o.workingFolder = folder.path();
        o.timeout = 30s;
        ProgramResult result = runProgram(o);
        EXPECT_FALSE(result.timedOut);
        EXPECT_EQ(result.signal, 0) << result.output;
        EXPECT_EQ(result.exitStatus, 1) << result.output;
        std::vector<std::string> lines = logLines(readFile(home.dataFolder() / "tamwick.log"));
        EXPECT_TRUE(containsInOrder(lines, {"An exception occurred:"}));
        // The message names the folder the file was looked for in.
        const std::string in = " (in " + fs::canonical(folder.path()).string() + ")";
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.starts_with(c.message) && line.ends_with(in);
        })) << result.output;
        EXPECT_TRUE(containsInOrder(lines, shutdownLines)) << result.output;
    }
}
