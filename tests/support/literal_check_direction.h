#pragma once
#include <memory>
#include <vector>

#include "frame/vector2.h"
#include "game/snake_search.h"

class Player;

// The computer snakes' direction search written out step by step, as slowly
// as it reads: every call copies its path and asks the arena's own cell tests.
// The fast search must give exactly its results. A cell off the grid counts
// as a wall; path counts saturate.
CheckDirectionResult literalCheckDirection(Vector2 cell, const std::vector<Vector2>& path,
                                           int depth, int score, int growBonus,
                                           const std::shared_ptr<Player>& snake);
