#include "game/auto_random_input.h"

#include <cstdlib>

std::array<AutoRandomInput, autoRandomInputPlayers> autoRandomInputTable{};

void nextAutoRandomInput(int num, int& xDir, int& yDir)
{
    xDir = 0;
    yDir = 0;
    if (num < 0 || num >= autoRandomInputPlayers)
        return;
    AutoRandomInput& entry = autoRandomInputTable[std::size_t(num)];
    --entry.framesLeft;
    if (entry.framesLeft < 1) {
        const int r = std::rand();
        entry.xDir = r % 3 - 1;
        entry.yDir = entry.xDir == 0 ? (std::rand() % 2 == 1 ? -1 : 1) : 0;
        entry.framesLeft = std::rand() % 80 + 1;
    }
    xDir = entry.xDir;
    yDir = entry.yDir;
}
