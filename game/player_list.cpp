#include "game/player_list.h"

std::vector<std::shared_ptr<Player>> player;
