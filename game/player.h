#pragma once
#include <memory>

#include "controls/controls.h"

// A player of the running game; its record grows with the game rules.
class Player : public std::enable_shared_from_this<Player> {
public:
    // Player number, fixed for the game.
    int num = 0;
    // The input device; shared with the controls manager's list.
    std::shared_ptr<Controls> controls;
};
