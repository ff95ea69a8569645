// Start-up figures: the time from process start to the first presented frame
// (the splash's fixed wait left out) and the time to load every sprite.
// The process start is taken just before the measuring process is started.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bench/tamwick_startup_bench
//
// Uses the generated run folder when it holds every asset, placeholder sprites
// otherwise. The measuring run is a fresh process, so its start-up costs
// (loading the program and its libraries) are counted as the game's would be.
#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frame/display/display.h"
#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "frame/names.h"
#include "frame/program/startup.h"
#include "media/bitmap_draw.h"
#include "media/colour.h"
#include "media/fonts.h"
#include "media/head_sets.h"
#include "media/image_search.h"
#include "media/palette.h"
#include "media/player_body.h"
#include "media/recolour_shader.h"
#include "media/render_target.h"
#include "media/sprites.h"
#include "media/text.h"
#include "support/placeholder_assets.h"

namespace fs = std::filesystem;

namespace {

// The splash caption stays up this long during start-up.
constexpr double splashWaitSeconds = 1.5;

double monotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// One frame of the title screen: background, text and recoloured players.
void drawFirstFrame()
{
    createScreenBitmap(0);
    setTargetAndClear(*screenBitmap, al_map_rgb(20, 20, 60));
    drawText(screenBitmap->bitmap, font64, screenWidth / 2, 200, al_map_rgb(255, 255, 255), "TAMWICK",
             ALLEGRO_ALIGN_CENTRE);
    std::vector<RGB> palette = buildColourPalette();
    for (int head = 0; head < headSetCount; ++head) {
        RecolourSettings settings;
        settings.newCol = toColour(palette[1 + head]);
        settings.doDarkCol = true;
        setRecolour(settings);
        PlayerLook look;
        look.head = head;
        drawSprite(screenBitmap->bitmap, playerHeadSprite(look, Facing::Down, 0, false, false).spriteId,
                   200 + head * 100, 600, false);
        drawSprite(screenBitmap->bitmap, playerBodySprite(Facing::Down, 0, false).spriteId,
                   200 + head * 100, 628, false);
        useShader();
    }
    presentFrame();
}

// argv: --measure <assets> <monotonic seconds just before the process was started>
int measure(int argc, char** argv)
{
    double beforeMain = argc > 3 ? monotonicSeconds() - std::atof(argv[3]) : 0.0;
    auto mainEntered = std::chrono::steady_clock::now();

    openLogFile();
    log("Log file opened\n");
    char program[] = "tamwick";
    char* args[] = {program, nullptr};
    init(1, args);
    drawFirstFrame();
    auto firstFrame = std::chrono::steady_clock::now();

    // Every sprite again from a fresh directory walk, then the photographs.
    destroySprites();
    forgetImageIndex();
    auto loadStart = std::chrono::steady_clock::now();
    loadBitmaps(std::nullopt);
    auto loaded = std::chrono::steady_clock::now();
    for (int id : lazySpriteIds)
        getBitmap(id);
    auto photosLoaded = std::chrono::steady_clock::now();

    double toFirstFrame = beforeMain * 1000 + milliseconds(firstFrame - mainEntered) - splashWaitSeconds * 1000;
    std::printf("  assets: %s\n", argc > 2 ? argv[2] : "?");
    std::printf("  process start to first presented frame, splash wait excluded: %.1f ms\n", toFirstFrame);
    std::printf("    of which loading the process, before main: %.1f ms\n", beforeMain * 1000);
    std::printf("  loading all %d start-up sprites: %.1f ms\n", spriteCount - int(lazySpriteIds.size()),
                milliseconds(loaded - loadStart));
    std::printf("  loading the %d photographs on first use: %.1f ms\n", int(lazySpriteIds.size()),
                milliseconds(photosLoaded - loaded));
    std::fflush(stdout);
    shutdown();
    return 0;
}

// Runs one measuring process in `folder` with a fresh user data folder; with a
// configured window size the display is a window, else a desktop-sized one.
int runMeasure(const fs::path& folder, const fs::path& dataHome, const std::string& assets,
               const std::string& windowConfig)
{
    fs::create_directories(dataHome / "tamwick");
    if (!windowConfig.empty()) {
        std::ofstream config(dataHome / "tamwick" / "tamwick.cfg");
        config << "[video]\n" << windowConfig;
    }
    std::printf("\n%s\n", windowConfig.empty() ? "default configuration (fullscreen window)"
                                                 : "windowed at the desktop size");
    std::fflush(stdout);
    char started[64];
    std::snprintf(started, sizeof started, "%.9f", monotonicSeconds());
    pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) != 0)
            _exit(127);
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        setenv("ALSOFT_DRIVERS", "null", 0);
        setenv("TAMWICK_NO_DIALOGS", "1", 1);
        std::string self = fs::read_symlink("/proc/self/exe").string();
        execl(self.c_str(), self.c_str(), "--measure", assets.c_str(), started, nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--measure")
        return measure(argc, argv);

    fs::path base = fs::temp_directory_path() / ("tamwick-bench-" + std::to_string(getpid()));
    fs::path folder = TAMWICK_RUN_DIR;
    std::string assets = "generated run folder";
    if (!hasCompleteAssets(folder)) {
        folder = base / "run";
        writePlaceholderRunFolder(folder);
        assets = "placeholder sprites";
    }
    // Warm the file cache so both runs read the same way.
    hasCompleteAssets(folder);

    ensurePlaceholderWriter();
    int width = 0, height = 0;
    if (ALLEGRO_MONITOR_INFO info; al_get_monitor_info(0, &info))
        width = info.x2, height = info.y2;
    int status = runMeasure(folder, base / "data-fullscreen", assets, "");
    if (status == 0 && width > 0)
        status = runMeasure(folder, base / "data-windowed", assets,
                            "width = " + std::to_string(width) + "\nheight = " + std::to_string(height) +
                                "\nwindowed = 1\n");
    std::error_code error;
    fs::remove_all(base, error);
    return status;
}
