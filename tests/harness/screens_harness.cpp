// Brings the game up through its own start-up and opens one of the screens
// that the title screen will lead to, then hands over to the title screen
// itself. Used by the whole-program screen tests under an X server; run it
// from the game's run folder.
//
//   tamwick_screens_harness game <mode> <wins needed>
//       a quick-started game of two keyboard players (arrows and right
//       Control; WASD and left Control), recorded as configured;
//   tamwick_screens_harness credits
//       the credits;
//   tamwick_screens_harness lootbox <stored points> <points>
//       the loot-box room, counting from the stored total to the new one.
//
// Each then runs the title screen until it closes, and shuts down.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "frame/config.h"
#include "frame/display/display.h"
#include "frame/log.h"
#include "frame/settings.h"
#include "frame/program/startup.h"
#include "game/game_options.h"
#include "menus/credits.h"
#include "menus/lootbox_room.h"
#include "menus/main_menu.h"
#include "menus/session_screens_setup.h"
#include "session/game_session.h"

namespace {

int argumentAt(const std::vector<std::string>& args, std::size_t i)
{
    return i < args.size() ? std::stoi(args[i]) : 0;
}

void openScreen(const std::string& command, const std::vector<std::string>& args)
{
    if (command == "game") {
        gameOptions.gameMode = argumentAt(args, 0);
        gameOptions.winsNeeded = argumentAt(args, 1);
        gameOptions.quickStartPlayers = 1;
        play_the_game(replayRecordingEnabled, "", {false, false});
        logLine("Game over; back to the title screen\n");
    } else if (command == "credits") {
        // As the title screen leaves it.
        createScreenBitmap(0);
        credits();
    } else if (command == "lootbox") {
        setConfigInt("lootbox", "lootboxPoints", argumentAt(args, 0));
        lootboxPoints = argumentAt(args, 1);
        lootboxRoom();
    } else {
        throw std::invalid_argument("unknown screen " + command);
    }
}

}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: tamwick_screens_harness game <mode> <wins> | credits | lootbox <stored> <points>\n";
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);

    openLogFile();
    std::vector<std::string> gameArgs{"tamwick"};
    std::vector<char*> gameArgv;
    for (std::string& a : gameArgs)
        gameArgv.push_back(a.data());
    int status = 0;
    try {
        init(int(gameArgv.size()), gameArgv.data());
        installSessionScreens();
        openScreen(command, args);
        menu();
    } catch (const std::exception& e) {
        std::cout << "FAILED harness: " << e.what() << std::endl;
        status = 1;
    }
    shutdown();
    return status;
}
