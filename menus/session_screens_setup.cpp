#include "menus/session_screens_setup.h"

#include "menus/lootbox_room.h"
#include "session/session_screens.h"

void installSessionScreens()
{
    sessionScreens.lootboxRoom = lootboxRoom;
}
