#pragma once
#include <stdexcept>
#include <string>
#include <vector>

#include "frame/vector2.h"

// One value per arena cell, indexed by column x and row y. `at` checks the
// bounds and throws std::out_of_range outside the layer; `get` is for loops
// that have already checked them.
template <typename T>
class CellLayer {
public:
    void resize(int width, int height, const T& value = T{})
    {
        width_ = width < 0 ? 0 : width;
        height_ = height < 0 ? 0 : height;
        cells_.assign(std::size_t(width_) * std::size_t(height_), value);
    }
    void clear() { resize(0, 0); }
    void fill(const T& value) { cells_.assign(cells_.size(), value); }

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    bool contains(const Vector2& cell) const { return contains(cell.x, cell.y); }

    T& at(int x, int y)
    {
        check(x, y);
        return cells_[index(x, y)];
    }
    const T& at(int x, int y) const
    {
        check(x, y);
        return cells_[index(x, y)];
    }
    T& at(const Vector2& cell) { return at(cell.x, cell.y); }
    const T& at(const Vector2& cell) const { return at(cell.x, cell.y); }

    T& get(int x, int y) { return cells_[index(x, y)]; }
    const T& get(int x, int y) const { return cells_[index(x, y)]; }

private:
    std::size_t index(int x, int y) const { return std::size_t(x) * std::size_t(height_) + std::size_t(y); }
    void check(int x, int y) const
    {
        if (!contains(x, y))
            throw std::out_of_range("cell {" + std::to_string(x) + "," + std::to_string(y) +
                                    "} outside the arena");
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<T> cells_;
};
