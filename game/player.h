#pragma once
#include <memory>

// A player of the running game; its record grows with the game rules.
class Player : public std::enable_shared_from_this<Player> {
public:
    int number = 0;
};
