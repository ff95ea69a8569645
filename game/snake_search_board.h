#pragma once
#include <cstdint>
#include <vector>

#include "frame/vector2.h"

class Game;
class Player;

// What a computer snake's look-ahead sees of the arena, taken on the main
// thread before the search starts: one small record per cell, so the search
// tasks read plain arrays and never the grid, the players or the options.
//
// The arena is framed by one ring of wall cells, so every neighbour of an
// arena cell has an index and a cell off the grid counts as a wall.
class SnakeSearchBoard {
public:
    // How the walk meets a cell.
    enum State : std::uint8_t {
        Open = 0,      // the walk enters it and scores it
        Wall = 1,      // either wall kind, a snake's head or body, off the grid: -2
        Crawler = 2,   // a shrink crawler stands there: -1
        Visited = 3,   // already on the walk's path: 0
        Head = 4,      // the searching snake's head: never stepped onto, never counted
    };

    // `path` starts with the snake's head cell; the rest of it counts as
    // visited. `growBonus` is what a block scores; `game` gives the shrink
    // crawlers and may be null.
    SnakeSearchBoard(const std::vector<Vector2>& path, int growBonus, const Player* snake,
                     const Game* game);

    // The index of a cell of the arena or of its frame; -1 further out.
    int index(Vector2 cell) const;
    // Offsets of the four neighbours in the search's order: (1, 0), (-1, 0), (0, 1), (0, -1).
    const int* neighbourSteps() const { return steps_; }

    // The state the search starts from, the head included.
    const std::vector<std::uint8_t>& states() const { return state_; }
    // What the head cell would be if it were not the head (a walk may start on it).
    State headCellState() const { return headState_; }
    int headIndex() const { return head_; }

    // What entering a cell adds with `depth` cells still to look ahead.
    int gain(int i, int depth) const { return base_[std::size_t(i)] + depth * bonus_[std::size_t(i)]; }
    // The same with one cell left: the gain of a walk's last cell.
    int lastGain(int i) const { return lastGain_[std::size_t(i)]; }
    // Neighbours of a cell that are not the head: the walks a last cell ends in.
    int endings(int i) const { return endings_[std::size_t(i)]; }

    int cellCount() const { return int(state_.size()); }

    // The same tables whole, for the search's inner loop.
    const int* baseGains() const { return base_.data(); }
    const int* depthBonuses() const { return bonus_.data(); }
    const int* lastGains() const { return lastGain_.data(); }
    const std::uint8_t* endingCounts() const { return endings_.data(); }

private:
    void markSnakes();
    void markPlayers(const Player* snake);

    int width_ = 0;      // with the frame
    int height_ = 0;
    int steps_[4] = {};
    int head_ = -1;
    State headState_ = Open;
    std::vector<std::uint8_t> state_;
    std::vector<int> base_;       // 1, or the grow bonus on a block
    std::vector<int> bonus_;      // per cell of depth: a human worth chasing
    std::vector<int> lastGain_;
    std::vector<std::uint8_t> endings_;
};
