#include "menus/message_screen.h"

#include <allegro5/allegro.h>
#include <cstdlib>
#include <sstream>

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "media/bitmap_draw.h"
#include "media/fonts.h"
#include "media/text.h"
#include "menus/key_log.h"
#include "menus/menu_input.h"
#include "session/file_stream_profile.h"

namespace {

const ALLEGRO_COLOR white{1, 1, 1, 1};
constexpr int lineSpacing = 44;

// Every screen here draws from a black canvas.
bool clearCanvas()
{
    if (!screenBitmap || !screenBitmap->bitmap)
        return false;
    clearBitmap(*screenBitmap);
    return true;
}

}

MessageScreen::MessageScreen(std::vector<std::string> lines, int key, int secondKey)
    : lines_(std::move(lines)), key_(key), secondKey_(secondKey)
{
}

void MessageScreen::update()
{
    logKeyChanges();
    // Answered: the answer stands until the loop sees it.
    if (done())
        return;
    // Both keys are asked every update, so the shared record of keys seen
    // down stays current. A key already down on the first update is only
    // recorded there: it answers once it has been let go and pressed again.
    const bool first = isMenuInputPressed(key_, menuControlMode, false);
    const bool second = secondKey_ != -1 && isMenuInputPressed(secondKey_, menuControlMode, false);
    if (!opened_) {
        opened_ = true;
        return;
    }
    first_ = first;
    second_ = second;
}

void MessageScreen::render()
{
    if (clearCanvas())
        msgScreenDraw(lines_);
}

bool msgScreen(std::vector<std::string> lines, int key, int secondKey)
{
    for (const std::string& line : lines)
        logLine("Message screen: " + line + "\n");
    MessageScreen screen(std::move(lines), key, secondKey);
    // A closed window ends the screen unanswered; the program is on its way out.
    runLoop([&] { screen.update(); }, [&] { screen.render(); },
            [&] { return screen.done() || quitRequested; }, {}, false, false);
    return screen.result();
}

void msgScreenDraw(std::vector<std::string> lines)
{
    if (!screenBitmap || !screenBitmap->bitmap)
        return;
    const int width = screenBitmap->width();
    int y = screenBitmap->height() / 2 - lineSpacing * int(lines.size()) + lineSpacing;
    for (const std::string& line : lines) {
        drawText(screenBitmap->bitmap, font30, width / 2, y, white, line, ALLEGRO_ALIGN_CENTRE);
        y += lineSpacing;
    }
}

ProfileScreen::ProfileScreen(double unbufferedSeconds, double bufferedSeconds)
    : unbuffered_(unbufferedSeconds), buffered_(bufferedSeconds)
{
}

void ProfileScreen::update()
{
    // A press, not a held key: the Escape that ends this screen is then spent
    // and does not also close the menu beneath it.
    if (isMenuInputPressed(ALLEGRO_KEY_ESCAPE, menuControlMode, false))
        done_ = true;
}

void ProfileScreen::render()
{
    if (!clearCanvas())
        return;
    ALLEGRO_BITMAP* canvas = screenBitmap->bitmap;
    for (int i = 0; i < 4000; ++i) {
        const int x = std::rand() % 1921;
        const int y = std::rand() % 1081;
        drawSprite(canvas, SpriteId::Snail, x, y, false);
    }
    auto number = [](double value) {
        std::ostringstream s;
        s << value;
        return s.str();
    };
    drawText(canvas, font30, 0, 100, white, "Unbuffered/buffered file stream results:", 0);
    drawText(canvas, font30, 0, 180, white, number(unbuffered_), 0);
    drawText(canvas, font30, 0, 260, white, number(buffered_), 0);
}

void profile()
{
    double seconds[2] = {0, 0};
    profileFileStreams(seconds);
    log("Profile\n");
    ProfileScreen screen(seconds[0], seconds[1]);
    runLoop([&] { screen.update(); }, [&] { screen.render(); },
            [&] { return screen.done() || quitRequested; }, {}, false, true);
}
