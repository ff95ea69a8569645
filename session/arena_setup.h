#pragma once
#include <array>

#include "frame/vector2.h"

class Game;
struct PackagedReplayData;

// A team's home cell in the objective modes and the step that leads inward.
struct TeamBase {
    Vector2 cell;
    Vector2 inward;
};

// The four team bases of a w x h arena: left, right, top and bottom edge.
std::array<TeamBase, 4> teamBasePositions(int w, int h);

// Prepares the arena of a round: sizes the layers and the canvas, generates
// the cells (or, while a replay plays, reads them back), sets the team bases,
// flags and hill, places the players on their start cells, and writes the
// round block when recording. With `emptyInterior` only the border is built
// and nobody is placed. Throws Game::PlayerPositionSetupError when the players
// do not fit.
void setupArena(Vector2 size, PackagedReplayData& replay, Game& game, bool emptyInterior);
