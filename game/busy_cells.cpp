#include "game/busy_cells.h"

BusyCells busyCells;

void BusyCells::resize(int width, int height)
{
    width_ = width < 0 ? 0 : width;
    height_ = height < 0 ? 0 : height;
    words_.assign((std::size_t(width_) * std::size_t(height_) + 63) / 64, 0);
    for (int x = 1; x < width_ - 1; ++x)
        for (int y = 1; y < height_ - 1; ++y)
            mark(x, y);
}

bool BusyCells::contains(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return false;
    const std::size_t i = std::size_t(x) * std::size_t(height_) + std::size_t(y);
    return (words_[i >> 6] >> (i & 63)) & 1;
}
