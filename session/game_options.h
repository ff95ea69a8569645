#pragma once

// The live settings of a game. Only the fields the frame needs so far; the
// complete option set with its automatic level options follows.
struct GameOptions {
    int randomness = 0;
    int numPlayers = 2;
    int updateRateMultiplier = 1;
    int updateRate = 60;
    int gameMode = 0;
};

extern GameOptions gameOptions;
