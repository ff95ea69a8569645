#include "menus/session_screens_setup.h"

#include "game/game.h"
#include "menus/lootbox_room.h"
#include "menus/message_screen.h"
#include "menus/pause_menu.h"
#include "menus/player_join_screen.h"
#include "menus/randomness_pause.h"
#include "menus/trophy_room.h"
#include "session/session_screens.h"

void installSessionScreens()
{
    sessionScreens.playerJoinScreen = playerJoinScreen;
    sessionScreens.trophyRoom = trophyRoom;
    sessionScreens.lootboxRoom = lootboxRoom;
    sessionScreens.msgScreen = msgScreen;
    sessionScreens.msgScreenDraw = msgScreenDraw;
    sessionScreens.pauseRequested = pauseRequested;
    sessionScreens.pauseMenu = pauseMenu;
    randomnessPauseScreen = randomnessPause;
    randomnessScreenReset = recreateRandomnessScreen;
}
