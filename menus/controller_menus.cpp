// The pause screen's menus for giving a player other controls: the players
// with what they hold, then every control the game knows of.
#include <algorithm>
#include <fmt/format.h>

#include "controls/controls_manager.h"
#include "game/player.h"
#include "game/round_state.h"
#include "menus/pause_screen.h"

namespace {

// A controller's name on one line: the keyboard layouts name their keys over
// three lines.
std::string oneLine(std::string name)
{
    std::replace(name.begin(), name.end(), '\n', ' ');
    std::replace(name.begin(), name.end(), '\r', ' ');
    return name;
}

bool hasActiveControls(const Player& p)
{
    return p.controls && p.controls->isActive();
}

}

void PauseScreen::controlAssignmentsMenu()
{
    auto menu = std::make_unique<TamwickMenu>(&pauseControllersMenuLayout, noMenuCloseAction);
    menu->addHeading(x_, "Control assignments");
    const auto invalid = std::count_if(player.begin(), player.end(),
                                       [](const auto& p) { return p && !hasActiveControls(*p); });
    if (invalid > 0) {
        menu->addHeading(x_, fmt::format("{} players have invalid controls", invalid));
        menu->addHeading(x_, "Select a player to reassign controls");
    }
    for (const auto& p : player) {
        if (!p)
            continue;
        const std::string held = hasActiveControls(*p) ? oneLine(p->controls->name()) : "LOST CONTROLLER";
        menu->addAction(x_, "Player " + std::to_string(p->num) + " " + held,
                        [this, p] { chooseControllerMenu(p); });
    }
    menu->addAction(x_, "Back", [this] { back_ = true; });
    stack_.push_back(std::move(menu));
}

void PauseScreen::chooseControllerMenu(std::shared_ptr<Player> chosen)
{
    auto menu = std::make_unique<TamwickMenu>(&pauseControllersMenuLayout, noMenuCloseAction);
    menu->addHeading(x_, fmt::format("Choose a new controller for player {}", chosen->num));
    if (controlsManager) {
        for (const auto& c : controlsManager->controls) {
            std::string label = oneLine(c->name());
            const auto holder = std::find_if(player.begin(), player.end(),
                                             [&](const auto& p) { return p && p->controls == c; });
            if (holder != player.end())
                label += " - player " + std::to_string((*holder)->num);
            // Another player's controls may be taken too: two can share.
            menu->addAction(x_, label, [chosen, c] { chosen->controls = c; });
        }
    }
    menu->addAction(x_, "Back", [this] { back_ = true; });
    stack_.push_back(std::move(menu));
}
