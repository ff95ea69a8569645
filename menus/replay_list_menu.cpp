#include "menus/replay_list_menu.h"

#include <allegro5/allegro.h>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "frame/log.h"
#include "frame/profiler.h"
#include "frame/settings.h"
#include "menus/menu_dialogs.h"
#include "session/replay_folder.h"

namespace {

std::string labelOf(const ReplayInfo& info)
{
    std::ostringstream label;
    formatReplayInfo(label, info);
    return label.str();
}

// A replay whose header could not be read shows why instead of playing.
void playReplay(MenuContext& context, const ReplayInfo& info)
{
    if (!info.errors.empty()) {
        std::vector<std::string> lines{"Error:"};
        lines.insert(lines.end(), info.errors.begin(), info.errors.end());
        lines.push_back("Press ENTER to exit");
        menuDialogs.message(lines, ALLEGRO_KEY_ENTER, -1);
        return;
    }
    menuDialogs.playGame(context.menuMusic, info.path, ReplayTestOptions{false, false});
}

// Removes the replay and its verify companions; a companion that is not there
// is no failure. On any other failure the rest stays on disk, the player is
// told, and the entry keeps its place so the deletion can be tried again.
// `info` is a copy: the entry's callbacks, which own the original, are
// replaced at the end.
void deleteReplay(CmdButtonAction& entry, ReplayInfo info)
{
    if (!menuDialogs.message({"Confirm deletion of replay: Y or bomb button to confirm, ESC or Button 2 to cancel"},
                             ALLEGRO_KEY_Y, ALLEGRO_KEY_ESCAPE))
        return;
    for (const std::string& path : {info.path, info.path + ".verify", info.path + ".verifyZ"}) {
        std::error_code error;
        std::filesystem::remove(path, error);
        if (error) {
            log("Could not delete %s: %s\n", path.c_str(), error.message().c_str());
            menuDialogs.message({"Error:", "Could not delete " + path, error.message(), "Press ENTER to exit"},
                                ALLEGRO_KEY_ENTER, -1);
            return;
        }
    }
    entry.setLabel("DELETED");
    entry.action = {};
    entry.onDelete = {};
}

// Plays every readable replay of the folder fast, without results screens,
// stopping when one is quit; a replay that fails its verification ends the
// program like any other failed check.
void testAllReplays(MenuContext& context)
{
    profiler.startTimer("testAllReplays");
    for (const ReplayInfo& info : getAllReplays(true)) {
        if (!info.errors.empty())
            continue;
        if (menuDialogs.playGame(context.menuMusic, info.path, ReplayTestOptions{true, true}))
            break;
    }
    log("Test all replays: %f seconds\n", profiler.stopTimer("testAllReplays"));
}

}

std::unique_ptr<TamwickMenu> viewReplaysMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&listMenuLayout, noMenuCloseAction);
    // Further left than other menus, for the long labels.
    const int x = context.centre - 380;
    if (showReplayTestOptions)
        menu->addAction(x, "Test all replays", [&context] { testAllReplays(context); });
    for (const ReplayInfo& info : getAllReplays(true)) {
        menu->addButtonAction(
            x, labelOf(info), [&context, info](CmdButtonAction&) { playReplay(context, info); },
            [info](CmdButtonAction& entry) { deleteReplay(entry, info); });
    }
    context.addBackAt(*menu, x);
    return menu;
}
