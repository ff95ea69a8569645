// The replay list with a year of replays: for 10, 30 (a screenful), 5,000 and
// 20,000 replays, each in a data folder of its own, the time from choosing
// "View Replays" to the list on screen, the cost of one frame while it is open
// (at its top and scrolled to its middle), and the choice of the next replay
// number at a round's start:
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bench/tamwick_replay_list_bench [frames]
//
// Each replay is a real header as the game writes it (four modes and player
// counts take turns) followed by frame bytes, with a compressed verify
// companion, written one minute apart. Every frame is finished (glFinish)
// before the clock stops; the lists take turns, so a busy moment of the
// machine falls on all of them. A list draws only the entries on screen: from
// a screenful on, a frame costs the same however long the list; 10 replays
// fill 12 of the screen's 20 lines, so their frame draws less text. The folder
// is read warm.
#include <allegro5/allegro.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "frame/display/display.h"
#include "frame/lookup_tables.h"
#include "frame/settings.h"
#include "game/game_options.h"
#include "game/round_state.h"
#include "media/bitmap_draw.h"
#include "menus/menu_context.h"
#include "menus/menu_layout.h"
#include "menus/replay_list_menu.h"
#include "session/replay_folder.h"
#include "session/replay_header.h"
#include "support/arena_display.h"
#include "support/replay_playback.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The header of a round of `mode` with `players` players on the normal arena.
std::string headerBytes(int mode, int players)
{
    resetRoundState();
    gameOptions = GameOptions{};
    gameOptions.gameMode = mode;
    gameOptions.numPlayers = players;
    resolveReplayRoundOptions(1);
    const Vector2 size = ArenaSizeTable.at(1);
    grid_squares_x = size.x;
    grid_squares_y = size.y;
    std::ostringstream out;
    serialiseSetup(out);
    return out.str();
}

void fillReplays(const fs::path& folder, int count)
{
    fs::create_directories(folder);
    const std::vector<std::string> headers{headerBytes(0, 2), headerBytes(2, 4), headerBytes(5, 3),
                                           headerBytes(6, 8)};
    // A round's frames and its compressed text, roughly as large as short rounds leave them.
    const std::string frames(6000, '\x01');
    const std::string packed(3000, '\x1f');
    const auto start = fs::file_time_type::clock::now() - std::chrono::minutes(count);
    for (int i = 0; i < count; ++i) {
        const fs::path replay = folder / (std::to_string(i) + ".1.1.2.replay");
        std::ofstream(replay, std::ios::binary) << headers[std::size_t(i) % headers.size()] << frames;
        std::ofstream(replay.string() + ".verifyZ", std::ios::binary) << packed;
        fs::last_write_time(replay, start + std::chrono::minutes(i));
    }
}

void render(TamwickMenu& menu)
{
    clearBitmap(*screenBitmap);
    menu.draw(*screenBitmap);
    presentFrame();
    finishDrawing();
}

// From the key to the list drawn: building it, its first update and frame.
double openList(MenuContext& context)
{
    const auto start = Clock::now();
    std::unique_ptr<TamwickMenu> menu = viewReplaysMenu(context);
    menu->update(screenBitmap->height() - 1);
    render(*menu);
    return milliseconds(Clock::now() - start);
}

// One list of `count` replays in a data folder of its own, open as the
// screen shows it.
struct OpenList {
    explicit OpenList(int count_) : count(count_) { fillReplays(home.dataFolder() / "replays", count); }
    int count;
    TempDataHome home;
    std::unique_ptr<TamwickMenu> menu;
};

// Milliseconds a frame with the list open, its selection on `entry`.
double frameCost(TamwickMenu& menu, int entry, int frames)
{
    menu.selected = std::min(entry, int(menu.buttons.size()) - 1);
    menu.update(screenBitmap->height() - 1);
    render(menu);
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i) {
        menu.update(screenBitmap->height() - 1);
        render(menu);
    }
    return milliseconds(Clock::now() - start) / frames;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 120;
    ensureArenaDisplay();
    if (!finishDrawing())
        std::printf("glFinish not found: figures show queued work only\n");
    // The game's window fills a 1920 x 1080 desktop, the menus draw at 1920 x 1080.
    setVideoMode(1920, 1080, true, -1);
    createScreenBitmap(0);
    fillMenuLayouts();
    showReplayTestOptions = true;
    std::printf("times in ms; opening: best and median of 5; a frame: median of 7 runs of %d frames, the lists\n"
                "taking turns; next number: median of 5\n",
                frames);
    std::vector<std::unique_ptr<OpenList>> lists;
    for (int count : {10, 30, 5000, 20000})
        lists.push_back(std::make_unique<OpenList>(count));
    MenuContext context = MenuContext::forScreenWidth(screenBitmap->width());
    std::vector<std::vector<double>> opens(lists.size()), numbers(lists.size());
    std::vector<int> next(lists.size());
    for (int run = 0; run < 5; ++run) {
        for (std::size_t l = 0; l < lists.size(); ++l) {
            setenv("XDG_DATA_HOME", lists[l]->home.folder().str().c_str(), 1);
            opens[l].push_back(openList(context));
            const auto start = Clock::now();
            next[l] = getNextReplayNumber();
            numbers[l].push_back(milliseconds(Clock::now() - start));
        }
    }
    for (auto& list : lists) {
        setenv("XDG_DATA_HOME", list->home.folder().str().c_str(), 1);
        list->menu = viewReplaysMenu(context);
    }
    std::vector<std::vector<double>> tops(lists.size()), middles(lists.size());
    for (int run = 0; run < 7; ++run) {
        for (std::size_t l = 0; l < lists.size(); ++l) {
            TamwickMenu& menu = *lists[l]->menu;
            tops[l].push_back(frameCost(menu, 0, frames));
            middles[l].push_back(frameCost(menu, int(menu.buttons.size()) / 2, frames));
        }
    }
    std::printf("%8s %9s %9s %10s %10s %10s %8s\n", "replays", "open", "open med", "frame top", "frame mid",
                "next num", "number");
    for (std::size_t l = 0; l < lists.size(); ++l)
        std::printf("%8d %9.1f %9.1f %10.3f %10.3f %10.3f %8d\n", lists[l]->count,
                    *std::min_element(opens[l].begin(), opens[l].end()), median(opens[l]), median(tops[l]),
                    median(middles[l]), median(numbers[l]), next[l]);
    for (auto& list : lists)
        list->menu.reset();
    resetRoundState();
    screenBitmap.reset();
    return 0;
}
