#pragma once
#include <memory>
#include <optional>

#include "frame/vector2.h"

class Game;
class Player;

// How good a cell is for a new computer snake: 0 for a cell to avoid (a wall,
// a snake, a player, or, in new games, danger within three cells), otherwise
// the squared distance in cells to the nearest living player.
float aiSnakeSpawnScore(const Game& game, Vector2 cell);

// A new computer snake on a cell (cleared for it), with its look, speed,
// facing and length; `replayVersion` is that of the replay being played.
std::shared_ptr<Player> makeAiSnakePlayer(int number, Vector2 cell, std::optional<int> replayVersion);
