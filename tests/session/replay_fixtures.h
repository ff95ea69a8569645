#pragma once
#include <initializer_list>
#include <string>

#include "support/replay_bytes.h"

// Switches read back, as a string of 0s and 1s, so one line checks a row of them.
inline std::string bits(std::initializer_list<bool> values)
{
    std::string s;
    for (bool v : values)
        s += v ? '1' : '0';
    return s;
}

// Which parts of the round block a file's version holds.
enum class RoundBlock {
    GridOnly,            // below 5: the grid and "ENDGRID"
    WithTime,            // from 5: the time before shrinking and the start positions
    Current,             // from 0.95.8: also the shrink switch and the hill area
};

// The round block of a 19 x 11 arena: a border of outer wall, one block with
// powerup 7 at (3, 2); the first two players at (1, 1) and (17, 9), a third
// at (1, 9).
inline ReplayBytes roundBlock(RoundBlock kind, int players = 2)
{
    ReplayBytes b;
    if (kind != RoundBlock::GridOnly)
        b.i32(5400);
    if (kind == RoundBlock::Current)
        b.flag(false).i32(6).i32(3).i32(12).i32(7);
    for (int x = 0; x < 19; ++x) {
        for (int y = 0; y < 11; ++y) {
            const bool border = x == 0 || y == 0 || x == 18 || y == 10;
            const bool block = x == 3 && y == 2;
            b.i8(border ? 2 : block ? 3 : 0).i8(block ? 7 : 0);
        }
    }
    b.text("ENDGRID");
    if (kind == RoundBlock::GridOnly)
        return b;
    const int positions[3][2] = {{32, 32}, {544, 288}, {32, 288}};
    for (int i = 0; i < players; ++i)
        b.i32(positions[i][0]).i32(positions[i][1]);
    b.text("ENDPP");
    return b;
}
