#include "menus/menu_dialogs.h"

#include "menus/game_launch.h"
#include "menus/message_screen.h"

MenuDialogs defaultMenuDialogs()
{
    return {msgScreen, launchGameFromMenu};
}

MenuDialogs menuDialogs = defaultMenuDialogs();
