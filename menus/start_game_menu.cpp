#include "menus/start_game_menu.h"

#include <fmt/format.h>

#include "frame/config_option.h"
#include "frame/game_ids.h"
#include "frame/names.h"
#include "game/game_options.h"
#include "menus/game_launch.h"
#include "menus/level_options_menu.h"

namespace {

// Sets the mode and plays a new game; the menu is on top again afterwards.
std::function<void()> launcher(MenuContext& context, int mode)
{
    return [&context, mode] {
        gameOptions.gameMode = mode;
        launchGameFromMenu(context.menuMusic, "", ReplayTestOptions{false, false});
    };
}

// "Off", then "2 players" up to "100 players": value k starts k + 1 players.
NameList quickStartNames()
{
    std::vector<std::string> names{"Off"};
    for (int players = 2; players <= 100; ++players)
        names.push_back(fmt::format("{} players", players));
    return makeNames(std::move(names));
}

}

std::unique_ptr<TamwickMenu> startGameMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    const int x = context.entryX;
    menu->addHeading(context.headingX, "Start game");
    menu->addAction(x, "Classic", launcher(context, GameMode::Classic));
    menu->addAction(x, "Capture the Flag", launcher(context, GameMode::CaptureTheFlag));
    menu->addAction(x, "Battle Royale", launcher(context, GameMode::BattleRoyale));
    menu->addAction(x, "King of the Hill", launcher(context, GameMode::KingOfTheHill));
    menu->addAction(x, "Snake Hunter", launcher(context, GameMode::SnakeHunter));
    menu->addAction(x, gameModeDisplayNames.at(GameMode::Deathmatch), launcher(context, GameMode::Deathmatch));
    menu->addAction(x, gameModeDisplayNames.at(GameMode::Everything),
                    [&context] { context.push(everythingOptionsMenu(context)); });
    menu->addSpace();
    menu->addHeading(context.headingX, "Game options");
    menu->addEnum(x, "Arena Size", &gameOptions.arenaSize, 0, 13, makeNames(arenaSizeNames));
    menu->addInt(x, "Wins Needed", &gameOptions.winsNeeded, 3, 10, 1);
    menu->addEnum(x, "Auctions", &gameOptions.auctions, 0, 3, makeNames(auctionFrequencyNames));
    menu->addAction(x, "Custom Game Options", [&context] { context.push(levelOptionsMenu(context)); });
    if (showQuickStartOption.get()) {
        menu->addSpace();
        menu->addHeading(context.headingX, "Quick start options");
        menu->addEnum(x, "Quick Start", &gameOptions.quickStartPlayers, 0, 99, quickStartNames());
    }
    menu->addSpace();
    context.addBack(*menu);
    return menu;
}

std::unique_ptr<TamwickMenu> everythingOptionsMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    const int x = context.entryX;
    EverythingModes& modes = gameOptions.everythingModes;
    menu->addHeading(context.headingX, "Everything options");
    menu->addBool(x, "Capture the Flag", &modes.ctf, context.offOnNames);
    menu->addBool(x, "Battle Royale", &modes.battleRoyale, context.offOnNames);
    menu->addBool(x, "King of the Hill", &modes.kingOfTheHill, context.offOnNames);
    menu->addBool(x, "Snake Hunter", &modes.snakeHunter, context.offOnNames);
    menu->addSpace();
    menu->addInt(x, "Player kill points", &gameOptions.killPoints, 0, 10, 1);
    menu->addInt(x, "Flag capture points", &gameOptions.flagCapturePoints, 0, 50, 1);
    menu->addInt(x, "AI snake hurt points", &gameOptions.aiSnakeHurtPoints, 0, 10, 1);
    menu->addInt(x, "AI snake kill points", &gameOptions.aiSnakeKillPoints, 0, 10, 1);
    menu->addSpace();
    // Respawning is always part of Everything; the line only says so.
    menu->addHeading(context.headingX, "Respawning is enabled");
    menu->addSpace();
    menu->addAction(x, "Begin game", launcher(context, GameMode::Everything));
    context.addBack(*menu);
    return menu;
}
