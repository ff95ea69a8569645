#pragma once
#include <array>

// The automatic random input of the "/autoRandomControls" switch: each human
// player walks one way for a random number of frames, then picks another.
struct AutoRandomInput {
    int xDir = 0;
    int yDir = 0;
    int framesLeft = 0;
};

// One entry per player number; numbers outside the table get no input.
inline constexpr int autoRandomInputPlayers = 100;
extern std::array<AutoRandomInput, autoRandomInputPlayers> autoRandomInputTable;

// This frame's direction for player `num`: (0, 0) for a number outside the table.
void nextAutoRandomInput(int num, int& xDir, int& yDir);
