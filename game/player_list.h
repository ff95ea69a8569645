#pragma once
#include <memory>
#include <vector>

#include "game/player.h"

// Every player of the current game, kept from round to round.
extern std::vector<std::shared_ptr<Player>> player;
