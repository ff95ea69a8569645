#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "frame/vector2.h"

// The arena cells that the bombs' update has work on: a bomb record with an
// owner, or a block crumbling away. One bit per cell, in the order the bombs'
// update takes the cells (column by column, each column from the top), so a
// pass that always looks for the next busy cell after the one it is on visits
// what a pass over every cell would do something on, in the same order,
// cells that become busy ahead of it during the pass included.
//
// The set may hold cells that have gone quiet (the update lets go of them
// when it finds them so); it must hold every cell that is busy. A freshly
// sized arena counts every inner cell as busy until its first visit, so
// whatever a set-up laid on the grid is found.
class BusyCells {
public:
    static constexpr std::size_t none = std::size_t(-1);

    // Sizes the set to the arena and marks every cell inside the outer ring.
    void resize(int width, int height);
    // Marks a cell; cells on or outside the outer ring are never visited and are ignored.
    void mark(int x, int y)
    {
        if (x >= 1 && y >= 1 && x < width_ - 1 && y < height_ - 1) {
            const std::size_t i = std::size_t(x) * std::size_t(height_) + std::size_t(y);
            words_[i >> 6] |= std::uint64_t(1) << (i & 63);
        }
    }
    void mark(const Vector2& cell) { mark(cell.x, cell.y); }
    void release(std::size_t index) { words_[index >> 6] &= ~(std::uint64_t(1) << (index & 63)); }
    bool contains(int x, int y) const;

    // The first busy cell index at or after `from`, or `none`. An index is
    // x * height + y.
    std::size_t next(std::size_t from) const
    {
        std::size_t w = from >> 6;
        if (w >= words_.size())
            return none;
        std::uint64_t bits = words_[w] & (~std::uint64_t(0) << (from & 63));
        while (bits == 0) {
            if (++w == words_.size())
                return none;
            bits = words_[w];
        }
        return (w << 6) + std::size_t(__builtin_ctzll(bits));
    }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint64_t> words_;
};

// The round's busy cells, sized with the arena.
extern BusyCells busyCells;
