#include "menus/lootbox_room.h"

// Stand-in until the loot-box room is built: nothing to count yet.
void lootboxRoom() {}
