#pragma once
#include <memory>

class Player;

// One wave of flame. Each direction of an explosion sends three waves one cell
// apart; wave 1 is the head.
struct Flame {
    std::weak_ptr<Player> owner;   // whose bomb or flame line this is
    int wave = 1;                  // 1, 2 or 3
    int x = 0;                     // current cell
    int y = 0;
    int dx = 0;                    // step per advance, each -1, 0 or 1
    int dy = 0;
    int timer = 0;                 // frames until the next advance
    int distance = 0;              // cells travelled from the bomb's cell
    int group = 0;                 // one id per direction of one explosion
    bool fromLine = false;         // from a flamethrower: its owner is not hurt by it
    bool fresh = false;            // handled in its first frame though its timer runs
};
