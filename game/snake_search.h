#pragma once
#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "frame/vector2.h"

class Player;
class SnakeSearchBoard;

// What a computer snake's look-ahead found in one direction: the best score a
// walk reaches and how many walks it counted.
struct CheckDirectionResult {
    int score = 0;
    std::int64_t pathCount = 0;   // stays at the largest value rather than overflow
};

// The order a walk tries the neighbours of a cell in.
extern const std::array<Vector2, 4> neighbourOffsets;

// A sum of path counts that stays at the largest value instead of overflowing.
std::int64_t addPathCounts(std::int64_t a, std::int64_t b);

// One thread (the caller), or the search threads on every core with the caller.
enum class SearchSpread { OneThread, AllCores };

// Most decisions are over on the calling thread alone sooner than the other
// threads wake, and on a busy machine a woken thread that is then pushed off
// its core holds the whole decision up: only a search still running after
// this long shares the rest of its work out.
inline constexpr std::chrono::microseconds searchHelpAfter{1000};

// Scores each of `cells` as the first cell of a walk `depth` cells long from
// the board's path: every self-avoiding walk is followed, each cell it enters
// scores 1 (a block the grow bonus) plus a bonus for a human found there, a
// walk that hits a wall or snake scores -2 there, a crawler -1, and a walk's
// best score never counts below 0 once it has entered a cell. The results come
// in the order of `cells` and do not depend on the spread.
std::vector<CheckDirectionResult> checkDirections(const SnakeSearchBoard& board,
                                                  const std::vector<Vector2>& cells, int depth,
                                                  int score, SearchSpread spread,
                                                  std::chrono::nanoseconds helpAfter = searchHelpAfter);

// One direction of a snake's search from the arena as it stands: `path` starts
// with the snake's head, `score` is what the walk has scored so far.
CheckDirectionResult checkDirection(Vector2 cell, const std::vector<Vector2>& path, int depth,
                                    int score, int growBonus, std::shared_ptr<Player> snake);
