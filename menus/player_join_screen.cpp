#include "menus/player_join_screen.h"

// Stand-in until the join screen is built: nobody joins.
bool playerJoinScreen()
{
    return false;
}
