#include <gtest/gtest.h>

#include <vector>

#include "game/busy_cells.h"

namespace {

std::vector<std::size_t> busyIndexes(const BusyCells& cells)
{
    std::vector<std::size_t> found;
    for (std::size_t i = cells.next(0); i != BusyCells::none; i = cells.next(i + 1))
        found.push_back(i);
    return found;
}

}

// A fresh arena has every inner cell busy, in the order x outer, y inner; the
// outer ring is never marked; released cells are skipped, marked ones found
// again, across word boundaries too.
TEST(BusyCells, InnerCellsInScanOrderAndMarksOutsideTheRingIgnored)
{
    BusyCells cells;
    cells.resize(4, 5);
    EXPECT_EQ(busyIndexes(cells), (std::vector<std::size_t>{6, 7, 8, 11, 12, 13}));

    for (std::size_t i : busyIndexes(cells))
        cells.release(i);
    EXPECT_EQ(cells.next(0), BusyCells::none);
    cells.mark(0, 2);
    cells.mark(3, 2);
    cells.mark(1, 4);
    cells.mark(-1, 9);
    EXPECT_EQ(cells.next(0), BusyCells::none);
    cells.mark(2, 3);
    cells.mark(1, 1);
    EXPECT_EQ(busyIndexes(cells), (std::vector<std::size_t>{6, 13}));
    EXPECT_TRUE(cells.contains(2, 3));
    EXPECT_FALSE(cells.contains(2, 2));

    BusyCells large;
    large.resize(40, 30);
    for (std::size_t i : busyIndexes(large))
        large.release(i);
    large.mark(38, 28);
    large.mark(2, 1);
    large.mark(5, 3);   // index 153, in the third word
    EXPECT_EQ(busyIndexes(large), (std::vector<std::size_t>{61, 153, 38 * 30 + 28}));
    EXPECT_EQ(large.next(154), std::size_t(38 * 30 + 28));
}
