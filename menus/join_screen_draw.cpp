#include <algorithm>
#include <allegro5/allegro.h>
#include <boost/algorithm/string.hpp>
#include <fmt/format.h>

#include "controls/controls_manager.h"
#include "controls/keyboard_controls.h"
#include "frame/display/display.h"
#include "frame/settings.h"
#include "game/game.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/fonts.h"
#include "media/primitives.h"
#include "media/text.h"
#include "menus/join_screen.h"

namespace {

const ALLEGRO_COLOR white{1, 1, 1, 1};
const ALLEGRO_COLOR grey{128 / 255.0f, 128 / 255.0f, 128 / 255.0f, 1};
const ALLEGRO_COLOR errorRed{1, 32 / 255.0f, 32 / 255.0f, 1};
constexpr std::size_t nameLength = 12;

ALLEGRO_BITMAP* canvas()
{
    return screenBitmap->bitmap;
}

void centred(const ALLEGRO_FONT* font, int x, int y, ALLEGRO_COLOR colour, const std::string& text)
{
    drawText(canvas(), font, x, y, colour, text, ALLEGRO_ALIGN_CENTRE);
}

// What a slot shows under its join button: the device's name, and for a
// joined controller the buttons that change skin and colour.
std::vector<std::string> slotLines(Controls& controls, bool joined)
{
    std::string text = controls.name().substr(0, nameLength);
    if (joined && !dynamic_cast<KeyboardControls*>(&controls)) {
        std::string buttons = fmt::format("\nSkin: {}\nColor: {}", controls.buttonText(ControlInput::ChangeSkin),
                                          controls.buttonText(ControlInput::ChangeColour));
        boost::algorithm::erase_all(buttons, " Button");
        text += buttons;
    }
    std::vector<std::string> lines;
    boost::algorithm::split(lines, text, boost::algorithm::is_any_of("\n"));
    return lines;
}

}

void PlayerJoinScreen::render()
{
    if (!screenBitmap || !screenBitmap->bitmap || !game)
        return;
    game->draw(true);
    drawSlots();
    Player::draw();
    if (teamMode)
        drawTeams();
    drawTexts();
}

void PlayerJoinScreen::drawSlots()
{
    if (!controlsManager)
        return;
    const auto& list = controlsManager->controls;
    const std::size_t count = std::min(slots.size(), list.size());
    for (std::size_t k = 0; k < count; ++k) {
        const std::shared_ptr<Controls>& controls = list[k];
        if (!controls)
            continue;
        const int x = slots[k].x + 16;
        const int y = slots[k].y;
        const bool joined = std::any_of(player.begin(), player.end(),
                                        [&](const auto& p) { return p->controls == controls; });
        centred(builtinFont, x, y - 32, white, joined ? "UNJOIN" : "JOIN");
        centred(builtinFont, x, y - 22, white,
                controls->buttonText(joined ? ControlInput::Button2 : ControlInput::Fire));
        int lineY = y + 40;
        for (const std::string& line : slotLines(*controls, joined)) {
            centred(builtinFont, x, lineY, joined ? white : grey, line);
            lineY += 10;
        }
    }
}

void PlayerJoinScreen::drawTeams()
{
    centred(builtinFont, screenWidth / 2, screenHeight - 8, white, "Form 2 or more teams");
    for (std::size_t t = 0; t < zones.size() && t < teams.size(); ++t) {
        drawFilledEllipse(canvas(), zones[t].x, zones[t].y, 16, 4, teams[t].colour);
        centred(builtinFont, zones[t].x, zones[t].y + 16, white, fmt::format("Team {}", t + 1));
    }
    for (const auto& p : player) {
        if (p->team < 0 || std::size_t(p->team) >= zones.size() || !teamAt(p->team))
            continue;
        const Vector2 zone = zones[std::size_t(p->team)];
        drawLine(canvas(), zone.x, zone.y, p->x + 16, p->y + 16, teamAt(p->team)->colour, 1);
    }
}

void PlayerJoinScreen::drawTexts()
{
    const int w = screenWidth;
    const int y0 = std::max(slots.empty() ? 0 : slots.back().y + 70, 150);
    centred(font30, w / 2, y0, white, headline());
    centred(font30, w / 2, y0 + 90, white, "Press SPACE when ready");
    centred(font30, w / 2, y0 + 140, white, "(or all players hold bomb button)");

    if (errorTimer > 0)
        --errorTimer;
    if (errorTimer > 0) {
        int y = y0 + 160;
        for (const std::string& line : errorLines()) {
            centred(font30, w / 2, y, errorRed, line);
            y += 40;
        }
    }

    std::string hint = "ESC";
    if (controlsManager) {
        for (const auto& c : controlsManager->getMenuControls(menuControlMode, true))
            hint += "/" + c->buttonText(ControlInput::Pause);
    }
    drawText(canvas(), builtinFont, 0, 0, white, hint + ": exit", 0);
}
