#include "menus/main_menu.h"

#include <allegro5/allegro.h>

#include "controls/keyboard_state.h"
#include "frame/app_globals.h"
#include "frame/config.h"
#include "frame/display/display.h"
#include "frame/log.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "frame/version.h"
#include "game/game_options.h"
#include "media/bitmap_draw.h"
#include "media/fonts.h"
#include "media/music_tracks.h"
#include "media/text.h"
#include "menus/credits.h"
#include "menus/key_log.h"
#include "menus/menu_input.h"
#include "menus/message_screen.h"
#include "menus/replay_list_menu.h"
#include "menus/settings_menu.h"
#include "menus/start_game_menu.h"

namespace {

const ALLEGRO_COLOR white{1, 1, 1, 1};

// Who makes the game and where to ask for help, under the main menu.
constexpr const char* publisherLines[] = {"Tamwick - made by the Tamwick developers",
                                          "Help and bug reports: support@tamwick.org"};

// Width of a character of the menu font, for placing the version at the right.
constexpr int versionCharacterWidth = 24;

int lowestVisibleY()
{
    return (screenBitmap && screenBitmap->bitmap ? screenBitmap->height() : screenHeight) - 1;
}

}

TitleScreen::TitleScreen(int width) : context(MenuContext::forScreenWidth(width)) {}

void TitleScreen::queueStartMenus(bool firstRun)
{
    if (firstRun) {
        firstStart = true;
        context.pending.push_back(phobiasMenu(context, true));
    }
    context.pending.push_back(mainMenu(context));
}

void TitleScreen::update()
{
    logKeyChanges();
    auto& stack = context.stack;
    const bool escape = isMenuInputPressed(ALLEGRO_KEY_ESCAPE, menuControlMode, false);
    // A controller's button 2 closes submenus only; the keyboard's Escape also
    // closes the last menu, which ends the title screen.
    const bool escapeCloses = escape && (stack.size() >= 2 || isKeyDown(ALLEGRO_KEY_ESCAPE));
    if (context.backRequested || escapeCloses) {
        if (!stack.empty())
            stack.pop_back();
        context.backRequested = false;
        // A new menu may take the place of the one just closed.
        loggedMenu_ = nullptr;
    }
    if (gameOptions.numPlayers < 2)
        gameOptions.numPlayers = 2;

    if (!stack.empty()) {
        stack.back()->update(lowestVisibleY());
    } else if (!context.pending.empty()) {
        stack.push_back(std::move(context.pending.front()));
        context.pending.pop_front();
        if (context.pending.empty())
            firstStart = false;
    } else {
        finished = true;
    }
    figure.time += 0.1f;
    logSelection();
}

// One line each time another menu shows or the selection moves, naming the
// entry now selected.
void TitleScreen::logSelection()
{
    const auto& stack = context.stack;
    const TamwickMenu* top = stack.empty() ? nullptr : stack.back().get();
    const int selection = top ? top->selected : -1;
    if (top == loggedMenu_ && selection == loggedSelection_ && stack.size() == loggedDepth_)
        return;
    // A menu just shown may still rest on a heading until its first update.
    if (top && (selection < 0 || std::size_t(selection) >= top->buttons.size() ||
                top->buttons[std::size_t(selection)]->isSkipped()))
        return;
    loggedMenu_ = top;
    loggedSelection_ = selection;
    loggedDepth_ = stack.size();
    if (top)
        logLine("Menu selection: " + top->buttons[std::size_t(selection)]->labelText() + "\n");
}

void TitleScreen::render()
{
    if (!screenBitmap || !screenBitmap->bitmap)
        return;
    BitmapWrapper& canvas = *screenBitmap;
    clearBitmap(canvas);
    if (!firstStart)
        drawLogo(context.centre, true);
    if (!context.stack.empty())
        context.stack.back()->draw(canvas);
    if (firstStart)
        return;
    drawTitleAnimation(figure, canvas.bitmap);
    const int width = canvas.width();
    const int height = canvas.height();
    const std::string version = versionString(currentVersion);
    drawText(canvas.bitmap, font30, width - versionCharacterWidth * int(version.size()), height - 42, white,
             version, 0);
    if (context.stack.size() == 1) {
        drawText(canvas.bitmap, font30, width / 2, height - 100, white, publisherLines[0], ALLEGRO_ALIGN_CENTRE);
        drawText(canvas.bitmap, font30, width / 2, height - 50, white, publisherLines[1], ALLEGRO_ALIGN_CENTRE);
    }
}

bool TitleScreen::done() const
{
    // A closed window ends the title screen too.
    return finished || quitRequested;
}

bool confirmQuit()
{
    return msgScreen({"Confirm quit to desktop", "ENTER or bomb button: quit", "ESC or button 2: don't quit"},
                     ALLEGRO_KEY_ENTER, ALLEGRO_KEY_ESCAPE);
}

std::unique_ptr<TamwickMenu> mainMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    const int x = context.entryX;
    menu->addAction(x, "Start Game", [&context] { context.push(startGameMenu(context)); });
    menu->addAction(x, "View Replays", [&context] { context.push(viewReplaysMenu(context)); });
    menu->addAction(x, "Settings", [&context] { context.push(settingsMenu(context)); });
    menu->addAction(x, "Credits", [] { credits(); });
    // The main menu is alone on the stack: popping it ends the title screen.
    menu->addAction(x, "Quit to desktop", [&context] {
        if (confirmQuit())
            context.backRequested = true;
    });
    context.menuMusic = startMusicTrack();
    return menu;
}

void menu()
{
    createScreenBitmap(0);
    TitleScreen title(screenBitmap->width());
    // No photograph choice stored yet: this is the first run.
    title.queueStartMenus(!hasConfigValue("lootbox", "catsEnabled"));
    logLine("Title screen ready\n");
    int updates = 0;
    runLoop(
        [&] {
            ++updates;
            title.update();
        },
        [&] { title.render(); }, [&] { return title.done(); }, {}, false, false);
    log("Menu closed after %d updates\n", updates);
}
