// Brings the game up through its own start-up and runs one of the settings
// screens or the replay list, as the title screen would, so the whole-program
// tests can reach them. It logs what a test needs to follow the screen:
//
//   "Entry: <text>"     each entry of a menu when it comes on top
//   "Selected: <text>"  the selected entry whenever it changes
//   "Message: <lines>"  a message screen (lines joined by " | "), then
//   "Message answered: yes" or "no"
//   "Playing <path>", then "Played <path>: finished" or "quit"
//   "Display: <width>x<height> windowed" or "fullscreen"  at each message and
//                       whenever it changes on the screen-mode screen
//   "Keys held", "Keys released"  when one of the keys a test presses goes
//                       down, and when every one is up again, so a test knows that
//                       a key was seen, and that no held key moves anything further
//   "Selected mode: <mode>"  the screen-mode screen's selection when it changes
//
//   tamwick_menu_runner settings | replays | audio | screenmode
//
// Escape closes the top menu; the program ends when none is left.
#include <allegro5/allegro.h>

#include <exception>
#include <fmt/format.h>
#include <functional>
#include <string>

#include "controls/keyboard_state.h"
#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/log.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "frame/program/startup.h"
#include "media/bitmap_draw.h"
#include "media/fonts.h"
#include "media/text.h"
#include "menus/audio_menu.h"
#include "menus/game_launch.h"
#include "menus/menu_dialogs.h"
#include "menus/menu_input.h"
#include "menus/replay_list_menu.h"
#include "menus/screen_mode_menu.h"
#include "menus/session_screens_setup.h"
#include "menus/settings_menu.h"

namespace {

std::string entryText(CmdButtonBase& entry)
{
    std::string text = entry.labelText();
    const std::string value = entry.valueText();
    return value.empty() ? text : text + ": " + value;
}

// Logs a menu's entries when it comes on top and its selection as it moves.
class MenuWatch {
public:
    void observe(TamwickMenu& menu)
    {
        if (&menu != menu_) {
            for (auto& entry : menu.buttons)
                logLine("Entry: " + entryText(*entry) + "\n");
        }
        const bool fresh = &menu != menu_;
        menu_ = &menu;
        if (fresh)
            selected_.clear();
        CmdButtonBase& entry = *menu.buttons.at(std::size_t(menu.selected));
        // A new menu moves off a heading at its first update.
        if (entry.isSkipped())
            return;
        const std::string text = entryText(entry);
        if (text != selected_)
            logLine("Selected: " + text + "\n");
        selected_ = text;
    }

private:
    const TamwickMenu* menu_ = nullptr;
    std::string selected_;
};

// Logs the display ("1920x1080 fullscreen") as it really is, when it changed
// since it was last logged or when `always`.
void logDisplay(bool always)
{
    static std::string logged;
    if (!display)
        return;
    const bool fullscreen = (al_get_display_flags(display) & ALLEGRO_FULLSCREEN_WINDOW) != 0;
    const std::string now = fmt::format("{}x{} {}", al_get_display_width(display), al_get_display_height(display),
                                        fullscreen ? "fullscreen" : "windowed");
    if (always || now != logged)
        logLine("Display: " + now + "\n");
    logged = now;
}

// Called on every update of every loop here, after the screen has read its
// keys: a key the screen acted on is then seen held before the test, which
// waits for the screen's log line, can let it go. Allegro's keyboard state
// changes on its own thread, so a key may go up between the screen's read and
// this one: a release is logged only once two calls in a row have seen it, so
// the update between them has seen it too, and a test that waits for "Keys
// released" before its next press never has that press taken for the old one.
void noteKeyRelease()
{
    static bool anyHeld = false;
    static bool releaseSeen = false;
    bool held = false;
    for (int key : {ALLEGRO_KEY_UP, ALLEGRO_KEY_DOWN, ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_ENTER,
                    ALLEGRO_KEY_ESCAPE, ALLEGRO_KEY_DELETE, ALLEGRO_KEY_Y})
        held = held || isKeyDown(key);
    if (!anyHeld && held)
        logLine("Keys held\n");
    if (anyHeld && !held && releaseSeen)
        logLine("Keys released\n");
    releaseSeen = anyHeld && !held && !releaseSeen;
    anyHeld = held || releaseSeen;
}

// Waits for one of the two keys with the lines on screen, the way the
// message screen answers, and logs both the question and the answer.
bool answerMessage(std::vector<std::string> lines, int key, int secondKey)
{
    std::string joined;
    for (const std::string& line : lines)
        joined += (joined.empty() ? "" : " | ") + line;
    logDisplay(true);
    // The key that opened the message is still down.
    noteKeyRelease();
    logLine("Message: " + joined + "\n");
    int answer = 0;
    runLoop([] {},
            [&] {
                clearBitmap(*screenBitmap);
                int y = screenBitmap->height() / 2 - 44 * int(lines.size()) + 44;
                for (const std::string& line : lines) {
                    drawText(screenBitmap->bitmap, font30, screenBitmap->width() / 2, y, al_map_rgb(255, 255, 255),
                             line, ALLEGRO_ALIGN_CENTRE);
                    y += 44;
                }
            },
            [&] {
                if (isMenuInputPressed(key, menuControlMode, false))
                    answer = 1;
                else if (secondKey != -1 && isMenuInputPressed(secondKey, menuControlMode, false))
                    answer = 2;
                noteKeyRelease();
                return answer != 0 || quitRequested;
            },
            {}, false, false);
    logLine(std::string("Message answered: ") + (answer == 1 ? "yes" : "no") + "\n");
    return answer == 1;
}

bool playObserved(std::shared_ptr<Music>& music, std::string path, ReplayTestOptions options)
{
    logLine("Playing " + path + "\n");
    const bool quit = launchGameFromMenu(music, path, options);
    logLine("Played " + path + (quit ? ": quit\n" : ": finished\n"));
    return quit;
}

void runMenuStack(std::unique_ptr<TamwickMenu> (*builder)(MenuContext&))
{
    MenuContext context = MenuContext::forScreenWidth(screenBitmap->width());
    context.push(builder(context));
    MenuWatch watch;
    logLine("Menu runner ready\n");
    runLoop(
        [&] {
            const bool escape = isMenuInputPressed(ALLEGRO_KEY_ESCAPE, menuControlMode, false);
            if ((context.backRequested || escape) && !context.stack.empty()) {
                context.stack.pop_back();
                context.backRequested = false;
            }
            if (context.stack.empty())
                return;
            context.stack.back()->update(screenBitmap->height() - 1);
            noteKeyRelease();
            // An entry may have pushed a menu, or asked to close.
            watch.observe(*context.stack.back());
            // What the screens logged is read by the test as it happens.
            flushLog();
        },
        [&] {
            clearBitmap(*screenBitmap);
            if (!context.stack.empty())
                context.stack.back()->draw(*screenBitmap);
        },
        [&] { return context.stack.empty() || quitRequested; }, {}, false, false);
}

template <typename Screen>
void runScreen(Screen& screen, const std::function<void()>& afterUpdate, const std::function<void()>& render)
{
    MenuWatch watch;
    logLine("Menu runner ready\n");
    runLoop(
        [&] {
            screen.update(screenBitmap->height() - 1);
            noteKeyRelease();
            watch.observe(screen.menu);
            afterUpdate();
            flushLog();
        },
        render, [&] { return screen.done(); }, {}, false, false);
}

void runScreenMode()
{
    ScreenModeScreen screen(allegroScreenModeDisplay());
    std::string selected;
    auto logSelection = [&] {
        const ScreenMode& s = screen.selection;
        const std::string now = describeScreenMode(s.width, s.height, s.windowed, s.display,
                                                   al_get_num_video_adapters());
        if (now != selected)
            logLine("Selected mode: " + now + "\n");
        selected = now;
    };
    auto afterUpdate = [&] {
        logSelection();
        logDisplay(false);
    };
    afterUpdate();
    runScreen(screen, afterUpdate, [&] { screen.render(*screenBitmap); });
}

void runAudio()
{
    AudioScreen screen(&defaultMenuLayout, screenWidth / 2 - 200);
    runScreen(screen, [] {}, [&] { screen.render(*screenBitmap, nullptr); });
    logLine("Audio screen closed\n");
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fmt::print(stderr, "usage: tamwick_menu_runner settings | replays | audio | screenmode\n");
        return 2;
    }
    const std::string screen = argv[1];
    openLogFile();
    int status = 0;
    try {
        std::string program = "tamwick";
        char* gameArgv[] = {program.data(), nullptr};
        init(1, gameArgv);
        installSessionScreens();
        menuDialogs.message = answerMessage;
        menuDialogs.playGame = playObserved;
        createScreenBitmap(0);
        if (screen == "settings")
            runMenuStack(settingsMenu);
        else if (screen == "replays")
            runMenuStack(viewReplaysMenu);
        else if (screen == "audio")
            runAudio();
        else if (screen == "screenmode")
            runScreenMode();
        else
            throw std::invalid_argument("unknown screen " + screen);
        logLine("Menu runner done\n");
    } catch (const std::exception& e) {
        logLine(std::string("An exception occurred:\n") + e.what() + "\n");
        status = 1;
    }
    shutdown();
    return status;
}
