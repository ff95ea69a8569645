#include "session/session_screens.h"

#include "frame/log.h"

SessionScreens defaultSessionScreens()
{
    SessionScreens screens;
    screens.playerJoinScreen = [] {
        log("No player-join screen in this build\n");
        return false;
    };
    screens.trophyRoom = [](const std::vector<ScoringEntity>&, bool, const std::string&) {};
    screens.lootboxRoom = [] {};
    screens.msgScreen = [](std::vector<std::string> lines, int, int) {
        for (const std::string& line : lines)
            logStdString(line + "\n");
        return true;
    };
    screens.msgScreenDraw = [](std::vector<std::string>) {};
    screens.pauseRequested = [] { return false; };
    screens.pauseMenu = [](std::shared_ptr<Music>, bool) { return false; };
    return screens;
}

SessionScreens sessionScreens = defaultSessionScreens();
