#include <allegro5/allegro.h>
#include <exception>
#include <string>

#include "frame/log.h"
#include "frame/message_box.h"
#include "frame/program/program_folder.h"
#include "frame/program/startup.h"
#include "game/player.h"
#include "game/team.h"
#include "menus/lootbox_room.h"
#include "menus/main_menu.h"
#include "menus/session_screens_setup.h"

int main(int argc, char** argv)
{
    // The game's own files are opened by paths relative to the working folder.
    const std::string gameFiles = enterProgramFolder();
    openLogFile();
    log("Log file opened\n");
    log("Player: %zu, Team: %zu\n", sizeof(Player), sizeof(Team));
    logStdString(gameFiles);

    int status = 0;
    try {
        init(argc, argv);
        installSessionScreens();
        lootboxRoom();
        menu();
    } catch (...) {
        std::string text;
        try {
            throw;
        } catch (const std::exception& e) {
            text = std::string("An exception occurred:\n") + e.what() + "\n" + supportLine() + "\n";
        } catch (...) {
            text = "An exception of unknown type occurred.\n" + supportLine() + "\n";
        }
        logLine(text);
        if (al_is_system_installed())
            showMessageBox(nullptr, "", "", text.c_str(), 0);
        status = 1;
    }

    shutdown();
    return status;
}
