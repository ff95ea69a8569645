#include "menus/replay_list_menu.h"

#include <allegro5/allegro.h>
#include <boost/algorithm/string.hpp>
#include <filesystem>
#include <functional>
#include <memory>
#include <fmt/format.h>
#include <optional>
#include <sstream>
#include <system_error>

#include "frame/log.h"
#include "frame/profiler.h"
#include "frame/settings.h"
#include "frame/user_data_folder.h"
#include "menus/menu_dialogs.h"
#include "session/replay_error.h"
#include "session/replay_folder.h"
#include "session/verify_text.h"

namespace {

// The failures of "Test all replays" that one message screen lists.
constexpr std::size_t maxFailuresShown = 8;

std::string labelOf(const ReplayInfo& info)
{
    std::ostringstream label;
    formatReplayInfo(label, info);
    return label.str();
}

// One replay of the list. Listing looks at each file once; its companions and
// its header are read only when its entry first comes into view or is used, so
// a folder of thousands of replays opens at once, with the labels it always had.
class ListedReplay {
public:
    explicit ListedReplay(ReplayInfo info) : info_(std::move(info)) {}

    const ReplayInfo& info()
    {
        if (!complete_)
            completeReplayInfo(info_, true);
        complete_ = true;
        return info_;
    }
    const std::string& label()
    {
        if (label_.empty())
            label_ = labelOf(info());
        return label_;
    }

private:
    ReplayInfo info_;
    bool complete_ = false;
    std::string label_;
};

// The replays of the folder, and the line that says why some or all of them
// could not be listed (empty when all were): a data folder or replays folder
// that cannot be made or read leaves the list empty, never the program ended.
struct ReplaysFound {
    std::vector<ReplayInfo> replays;
    std::string problemLine;
};

ReplaysFound findReplays()
{
    ReplayListing listing;
    try {
        listing = listReplays();
    } catch (const std::filesystem::filesystem_error& error) {
        listing.problem = folderProblem(error);
    }
    ReplaysFound found{std::move(listing.replays), {}};
    if (!listing.problem.empty()) {
        found.problemLine = (found.replays.empty() ? "No replays: " : "Not every replay could be listed: ") +
                            listing.problem;
        logStdString(found.problemLine + "\n");
    }
    return found;
}

void showErrors(const std::vector<std::string>& errors)
{
    std::vector<std::string> lines{"Error:"};
    lines.insert(lines.end(), errors.begin(), errors.end());
    lines.push_back("Press ENTER to exit");
    menuDialogs.message(lines, ALLEGRO_KEY_ENTER, -1);
}

// Plays one replay; a damaged or incomplete one is shown as an error and the
// list stays. Returns false for such a replay, else whether it was quit.
std::optional<bool> playChecked(MenuContext& context, const ReplayInfo& info, ReplayTestOptions options,
                                std::vector<std::string>& errors)
{
    try {
        return menuDialogs.playGame(context.menuMusic, info.path, options);
    } catch (const ReplayError& error) {
        std::vector<std::string> lines;
        boost::algorithm::split(lines, std::string(error.what()), boost::algorithm::is_any_of("\n"));
        // A failed check's text ends with its newline.
        while (lines.size() > 1 && lines.back().empty())
            lines.pop_back();
        errors.insert(errors.end(), lines.begin(), lines.end());
        return std::nullopt;
    }
}

// A replay whose header could not be read shows why instead of playing.
void playReplay(MenuContext& context, const ReplayInfo& info)
{
    std::vector<std::string> errors = info.errors;
    if (errors.empty())
        playChecked(context, info, ReplayTestOptions{false, false}, errors);
    if (!errors.empty())
        showErrors(errors);
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
// stopping when one is quit. A damaged or incomplete replay counts as failed
// and the test goes on; one without a verify text plays unchecked and counts
// apart. Both are shown at the end. A replay that fails its verification
// ends the program like any other failed check.
void testAllReplays(MenuContext& context)
{
    profiler.startTimer("testAllReplays");
    int played = 0;
    int unchecked = 0;
    std::vector<std::string> failures;
    ReplaysFound found = findReplays();
    for (ReplayInfo& info : found.replays) {
        completeReplayInfo(info, true);
        if (!info.errors.empty())
            continue;
        ++played;
        const bool checked = hasVerifyText(info.path);
        std::vector<std::string> errors;
        const std::optional<bool> quit = playChecked(context, info, ReplayTestOptions{true, true}, errors);
        if (!quit) {
            // One line each, the failed check's read position included.
            const std::string error = boost::algorithm::join(errors, " ");
            failures.push_back(std::to_string(info.number) + ": " + error);
            logStdString("Replay failed: " + info.path + ": " + error + "\n");
            continue;
        }
        if (!checked)
            ++unchecked;
        if (*quit)
            break;
    }
    log("Test all replays: %f seconds\n", profiler.stopTimer("testAllReplays"));
    log("Replays tested: %d, failed: %d, played unchecked: %d\n", played, int(failures.size()), unchecked);
    if (failures.empty() && unchecked == 0 && found.problemLine.empty())
        return;
    std::vector<std::string> lines;
    if (!found.problemLine.empty())
        lines.push_back(found.problemLine);
    if (!failures.empty()) {
        lines.push_back(fmt::format("{} of {} replays failed:", failures.size(), played));
        const std::size_t shown = std::min(failures.size(), maxFailuresShown);
        lines.insert(lines.end(), failures.begin(), failures.begin() + long(shown));
        if (failures.size() > shown)
            lines.push_back(fmt::format("and {} more (see the log)", failures.size() - shown));
    }
    if (unchecked > 0)
        lines.push_back(fmt::format("{} of {} replays played unchecked (no verify text)", unchecked, played));
    lines.push_back("Press ENTER to exit");
    menuDialogs.message(lines, ALLEGRO_KEY_ENTER, -1);
}

}

std::unique_ptr<TamwickMenu> viewReplaysMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&listMenuLayout, noMenuCloseAction);
    // Further left than other menus, for the long labels.
    const int x = context.centre - 380;
    if (showReplayTestOptions)
        menu->addAction(x, "Test all replays", [&context] { testAllReplays(context); });
    ReplaysFound found = findReplays();
    if (!found.problemLine.empty())
        menu->addHeading(x, found.problemLine);
    for (ReplayInfo& info : found.replays) {
        auto replay = std::make_shared<ListedReplay>(std::move(info));
        menu->addButtonAction(
            x, std::function<std::string()>([replay] { return replay->label(); }),
            [&context, replay](CmdButtonAction&) { playReplay(context, replay->info()); },
            [replay](CmdButtonAction& entry) { deleteReplay(entry, replay->info()); });
    }
    context.addBackAt(*menu, x);
    return menu;
}
