#pragma once
#include <memory>

#include "frame/facing.h"

class Player;

// What a bomb is doing.
namespace BombState {
inline constexpr int Normal = 0;
inline constexpr int RemoteControl = 1;   // waits while its owner steers it
inline constexpr int Detonator = 2;       // waits for its owner's next fire press
inline constexpr int Moving = 3;          // a rocket or a pushed bomb on its way
}

// The bomb of one arena cell. A cell holds a live bomb while its owner is set
// and that player still exists.
struct Bomb {
    std::weak_ptr<Player> owner;
    int fuse = 0;                      // frames left; compared with 1 before it is lowered
    int state = BombState::Normal;
    int moveCounter = 0;               // frames since a moving bomb last stepped
    Facing direction = Facing::Down;   // where a moving bomb goes
    bool movedThisPass = false;        // has already stepped in this frame

    // The owner when the bomb is live, else null. Lock once and use the result.
    std::shared_ptr<Player> liveOwner() const { return owner.lock(); }
    bool isLive() const { return !owner.expired(); }
    // Empties the cell: no owner, and the record back to its resting values.
    void clear() { *this = Bomb{}; }
};
