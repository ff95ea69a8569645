// The real program under an X server, driven through its menus with keys sent
// to its window: the first-run prompt, the main menu, a recorded game of two
// keyboard players, the credits, and the quit confirmation.
#include <gtest/gtest.h>

#include <signal.h>

#include <functional>
#include <thread>

#include "support/key_driver.h"
#include "support/past_first_run.h"
#include "support/placeholder_assets.h"
#include "support/program_runner.h"
#include "support/screen_capture.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"

namespace fs = std::filesystem;

namespace {

using Pixel = std::array<int, 3>;

bool isBand(const Pixel& p)
{
    return p == Pixel{64, 64, 64};
}
bool isWhite(const Pixel& p)
{
    return p == Pixel{255, 255, 255};
}
// A player's paint, neither the arena's dark background nor grey or white text.
bool isColoured(const Pixel& p)
{
    return *std::max_element(p.begin(), p.end()) - *std::min_element(p.begin(), p.end()) > 60;
}

// The logical screen fills the 1920 x 1080 screen one to one on the title
// screen. The version text stands at its lower right corner.
int versionPixels(const ScreenImage& shot)
{
    return shot.count(1790, 1030, 1919, 1079, isWhite);
}
// Entries of the default layout are 48 pixels apart from y 300.
bool bandOnEntry(const ScreenImage& shot, int entry)
{
    return isBand(shot.at(10, 300 + 48 * entry + 20));
}

// Takes pictures until one passes the test (the program draws at its own
// pace); the passing one is kept at `keep` when given.
bool screenShows(const std::function<bool(const ScreenImage&)>& test, const KeyDriver& keys,
                 const fs::path& keep = {})
{
    TempFolder folder;
    const fs::path shot = folder.path() / "shot.png";
    for (int attempt = 0; attempt < 100 && keys.running(); ++attempt) {
        if (captureScreen(shot)) {
            ScreenImage image(shot);
            if (image.loaded() && test(image)) {
                if (!keep.empty())
                    fs::copy_file(shot, keep, fs::copy_options::overwrite_existing);
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

// Moves the main menu's selection one entry down; true when it moved. The
// menu reads a direction only once its key repeat after the last move or
// choice has run out, so a press inside that time is pressed again.
bool stepDown(KeyDriver& keys)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        const long before = long(keys.selections().size());
        keys.press("Down", "DOWN");
        // Each move logs the entry it reached.
        for (int wait = 0; wait < 250 && long(keys.selections().size()) == before; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (long(keys.selections().size()) > before)
            return true;
    }
    return false;
}

// Moves the main menu's selection down to `target`; true when it got there.
bool selectDown(KeyDriver& keys, const std::string& target)
{
    for (int moves = 0; moves < 12 && keys.selection() != target; ++moves)
        if (!stepDown(keys))
            return false;
    return keys.selection() == target;
}

const std::vector<std::string> mainMenuEntries{"Start Game", "View Replays", "Settings", "Credits",
                                               "Quit to desktop"};

// Every step of a walk through the main menu goes to the next entry, wrapping.
bool walksInOrder(const std::vector<std::string>& walk)
{
    for (std::size_t i = 1; i < walk.size(); ++i) {
        auto at = std::find(mainMenuEntries.begin(), mainMenuEntries.end(), walk[i - 1]);
        if (at == mainMenuEntries.end())
            return false;
        const std::size_t next = (std::size_t(at - mainMenuEntries.begin()) + 1) % mainMenuEntries.size();
        if (walk[i] != mainMenuEntries[next])
            return false;
    }
    return walk.size() > mainMenuEntries.size();
}

}

TEST(MenusProgram, AFirstRunPlaysARecordedGameFromTheMenusAndQuitsWhenConfirmed)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    if (!hasCompleteAssets(runFolder()))
        GTEST_SKIP() << "needs the generated assets";
    TempDataHome home;

    struct Seen {
        bool focused = false, promptAlone = false, mainMenu = false, startGameMenu = false;
        bool joinScreen = false, bothJoined = false, gameStarted = false, gameEnded = false;
        bool backInMainMenu = false, confirmation = false, exited = false;
        std::vector<std::string> walk;
    } seen;

    ProgramOptions options;
    options.args = {"/advanceLimit", "240"};
    options.env["XDG_DATA_HOME"] = home.folder().str();
    options.timeout = std::chrono::seconds(240);
    options.whileRunning = [&](int pid) {
        KeyDriver keys(pid);
        // A step that goes wrong ends the program rather than leave it waiting.
        struct EndOnFailure {
            int pid;
            const Seen& seen;
            ~EndOnFailure()
            {
                if (!seen.exited)
                    kill(pid, SIGKILL);
            }
        } end{pid, seen};
        if (!waitForWindow() || !keys.waitFor("Title screen ready") || !(seen.focused = keys.focus()))
            return;

        // The first run asks about the photographs, alone on a black screen:
        // three lines of explanation, the band on the first switch below them.
        seen.promptAlone = screenShows(
            [](const ScreenImage& s) { return bandOnEntry(s, 3) && versionPixels(s) == 0; }, keys,
            screenshotFile("first_run_prompt.png"));
        // Its last entry, "Done", leads to the main menu.
        for (int i = 0; i < 30 && keys.selection() != "Done"; ++i)
            keys.press("Up", "UP");
        if (!keys.press("Return", "ENTER", "Menu selection: Start Game"))
            return;
        seen.mainMenu = screenShows(
            [](const ScreenImage& s) { return bandOnEntry(s, 0) && versionPixels(s) > 20; }, keys,
            screenshotFile("main_menu.png"));

        // Down through every entry, round to "Start Game".
        const std::size_t walkStart = keys.selections().size() - 1;
        stepDown(keys);
        selectDown(keys, "Start Game");
        const auto all = keys.selections();
        seen.walk.assign(all.begin() + long(walkStart), all.end());

        if (!keys.press("Return", "ENTER", "Menu selection: Classic"))
            return;
        seen.startGameMenu = screenShows(
            [](const ScreenImage& s) { return bandOnEntry(s, 1) && !bandOnEntry(s, 0); }, keys,
            screenshotFile("start_game_menu.png"));

        // Classic: the join screen; the third and fourth keyboard layouts join.
        seen.joinScreen = keys.press("Return", "ENTER", "playerJoinScreen");
        seen.bothJoined = keys.press("n", "N") && keys.press("c", "C") &&
                          screenShows(
                              [](const ScreenImage& s) {
                                  // Slots 2 and 3 of four on a 27 x 15 arena, scaled by 1920 / 864.
                                  auto joined = [&](int slot) {
                                      const int x = 160 * (slot + 1) * 20 / 9;
                                      const int y = 48 * 20 / 9;
                                      return s.count(x - 20, y - 40, x + 90, y + 80, isColoured) > 300;
                                  };
                                  return joined(2) && joined(3) && !joined(1);
                              },
                              keys, screenshotFile("join_screen.png"));
        seen.gameStarted = keys.press("space", "SPACE", "Begin game");
        seen.gameEnded = keys.waitFor("Game ended", 0, std::chrono::seconds(120));

        // Back in the start-game menu; Escape returns to the main menu.
        const long mainShown = keys.count("Menu selection: Start Game");
        seen.backInMainMenu = keys.press("Escape", "ESCAPE", "Menu selection: Start Game") &&
                              keys.count("Menu selection: Start Game") > mainShown;
        if (!selectDown(keys, "Quit to desktop"))
            return;
        seen.confirmation = keys.press("Return", "ENTER", "Message screen: Confirm quit to desktop");
        seen.exited = keys.holdUntilExit("Return");
    };
    ProgramResult result = runProgram(options);
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_TRUE(seen.focused) << result.output;
    EXPECT_TRUE(seen.promptAlone) << "the first-run prompt showed the version or no menu";
    EXPECT_TRUE(seen.mainMenu) << "no main menu with its version";
    EXPECT_TRUE(walksInOrder(seen.walk)) << testing::PrintToString(seen.walk);
    EXPECT_TRUE(seen.startGameMenu) << "no start-game menu with Classic selected";
    EXPECT_TRUE(seen.joinScreen) << result.output;
    EXPECT_TRUE(seen.bothJoined) << "the two keyboard players are not on the join screen";
    EXPECT_TRUE(seen.gameStarted) << result.output;
    EXPECT_TRUE(seen.gameEnded) << result.output;
    EXPECT_TRUE(seen.backInMainMenu) << result.output;
    EXPECT_TRUE(seen.confirmation) << result.output;
    EXPECT_TRUE(seen.exited);

    const auto lines = logLines(readFile(home.dataFolder() / "tamwick.log"));
    EXPECT_TRUE(containsInOrder(lines, {"Title screen ready", "New game", "playerJoinScreen", "Begin game", "Quit",
                                        "Game ended", "Message screen: Confirm quit to desktop"}))
        << result.output;
    EXPECT_TRUE(anyLineStartsWith(lines, "Menu closed after ")) << result.output;

    // The round was recorded, and it plays back true to its verify text.
    std::vector<fs::path> replays;
    for (const auto& file : fs::directory_iterator(home.dataFolder() / "replays"))
        if (file.path().extension() == ".replay")
            replays.push_back(file.path());
    ASSERT_EQ(replays.size(), 1u);
    EXPECT_TRUE(fs::exists(replays[0].string() + ".verifyZ"));
    ProgramOptions verify;
    verify.program = TAMWICK_HARNESS;
    verify.args = {"verify", replays[0].string()};
    verify.env["XDG_DATA_HOME"] = home.folder().str();
    verify.timeout = std::chrono::seconds(120);
    ProgramResult verified = runProgram(verify);
    EXPECT_EQ(verified.exitStatus, 0) << verified.output;
    EXPECT_NE(verified.output.find("VERIFIED " + replays[0].string()), std::string::npos) << verified.output;
}

TEST(MenusProgram, EscapeLeavesTheCreditsForTheMainMenu)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    if (!hasCompleteAssets(runFolder()))
        GTEST_SKIP() << "needs the generated assets";
    TempDataHome home;
    writePastFirstRunConfig(home);

    bool creditsShown = false, creditsClosed = false, menuStayed = false, exited = false;
    ProgramOptions options;
    options.env["XDG_DATA_HOME"] = home.folder().str();
    options.timeout = std::chrono::seconds(120);
    options.whileRunning = [&](int pid) {
        KeyDriver keys(pid);
        if (!waitForWindow() || !keys.waitFor("Title screen ready") || !keys.focus() || !selectDown(keys, "Credits"))
            return;
        creditsShown = keys.press("Return", "ENTER", "Credits shown");
        creditsClosed = creditsShown && keys.press("Escape", "ESCAPE", "Credits closed");
        // The Escape that closed the credits closes nothing more: the main
        // menu still answers, on the entry that opened them.
        menuStayed = creditsClosed && keys.running() && keys.selection() == "Credits" &&
                     selectDown(keys, "Quit to desktop");
        exited = menuStayed && keys.press("Return", "ENTER", "Message screen: Confirm quit to desktop") &&
                 keys.holdUntilExit("Return");
        if (!exited)
            kill(pid, SIGKILL);
    };
    ProgramResult result = runProgram(options);
    ASSERT_FALSE(result.timedOut) << result.output;
    EXPECT_TRUE(creditsShown) << result.output;
    EXPECT_TRUE(creditsClosed) << result.output;
    EXPECT_TRUE(menuStayed) << result.output;
    EXPECT_TRUE(exited) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
}
