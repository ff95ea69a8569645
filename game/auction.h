#pragma once
#include <memory>

class Player;

// The running auction: one powerup offered to every player with coins.
struct Auction {
    int powerup = 0;
    int price = 0;                          // highest bid so far
    std::shared_ptr<Player> highestBidder;
    int framesLeft = 0;
};
