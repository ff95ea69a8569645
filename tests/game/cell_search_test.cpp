#include <vector>

#include "frame/uniform_int.h"
#include "support/round_fixture.h"

namespace {

using CellSearch = RoundTest;

// Scores chosen per cell; every other cell scores `otherwise`.
CellScore scores(std::vector<std::pair<Vector2, float>> chosen, float otherwise = 0)
{
    return [chosen, otherwise](const Vector2& cell) {
        for (const auto& [c, s] : chosen) {
            if (c == cell)
                return s;
        }
        return otherwise;
    };
}

TEST_F(CellSearch, BestCellScansRowsOuterAndKeepsTheFirstOfEqualScores)
{
    makeArena({"######",
               "#W...#",
               "#.W..#",
               "#....#",
               "######"});
    Game& g = startGame();
    EXPECT_EQ(g.findBestCellInRect({0, 0}, {1, 1}, scores({})), std::nullopt);   // walls only
    // All equal, even below zero: the first free cell of the top row.
    EXPECT_EQ(g.findBestCellInRect({0, 0}, {5, 4}, scores({}, -1)), (Vector2{2, 1}));
    // (4, 1) comes before (1, 2) when rows are the outer loop.
    EXPECT_EQ(g.findBestCellInRect({0, 0}, {5, 4}, scores({{{1, 2}, 3}, {{4, 1}, 3}})),
              (Vector2{4, 1}));
    // A later cell wins only when strictly better; walls never score.
    EXPECT_EQ(g.findBestCellInRect({0, 0}, {5, 4},
                                   scores({{{4, 1}, 3}, {{3, 3}, 4}, {{1, 3}, 4}, {{2, 2}, 9}})),
              (Vector2{1, 3}));
}

TEST_F(CellSearch, RandomCellsFollowTheGamesOwnEngineFromItsDefaultSeed)
{
    makeArena(6, 5);
    auto run = [&] {
        std::vector<std::optional<Vector2>> cells;
        Game g(false, {});
        for (int i = 0; i < 6; ++i)
            cells.push_back(g.findRandomCellInRect({0, 0}, {5, 4}, scores({}), 2));
        return cells;
    };
    const auto first = run();
    EXPECT_EQ(run(), first);
    // x is drawn before y, and walls are drawn again.
    std::mt19937 engine;
    Vector2 cell;
    do {
        cell.x = uniformIntInclusive(engine, 0, 5);
        cell.y = uniformIntInclusive(engine, 0, 4);
    } while (grid.at(cell) != Square::Empty);
    EXPECT_EQ(first[0], cell);
    EXPECT_NE(first[0], first[1]);

    Game g(false, {});
    EXPECT_EQ(g.findRandomCellInRect({1, 1}, {4, 3}, scores({}), 0), std::nullopt);
    // Of many samples the one cell that scores best is found.
    EXPECT_EQ(g.findRandomCellInRect({1, 1}, {4, 3}, scores({{{3, 2}, 1}}), 200), (Vector2{3, 2}));
}

TEST_F(CellSearch, ARandomSampleGivesUpAfterExactlyAThousandRedraws)
{
    // A 64 x 64 field of walls with one free cell: each draw takes one number
    // of the engine per axis, so the test can find where the free cell comes up.
    resizeArena(64, 64);
    grid.fill(Square::Wall);
    const Vector2 free{17, 40};
    grid.at(free) = Square::Empty;
    auto hitsFree = [&](std::mt19937& e) {
        const int x = uniformIntInclusive(e, 0, 63);
        const int y = uniformIntInclusive(e, 0, 63);
        return Vector2{x, y} == free;
    };
    // The first hit after at least 1001 misses in a row.
    std::mt19937 scan;
    int hit = -1;
    for (int i = 0, misses = 0; hit < 0; ++i) {
        if (!hitsFree(scan)) {
            ++misses;
            continue;
        }
        if (misses >= 1001)
            hit = i;
        misses = 0;
    }

    Game g(false, {});
    const auto all = [](const Vector2&) { return 0.0f; };
    g.rng.discard(2ull * unsigned(hit - 1000));   // a first draw and 1000 redraws reach it
    EXPECT_EQ(g.findRandomCellInRect({0, 0}, {63, 63}, all, 1), free);

    g.rng = std::mt19937{};
    g.rng.discard(2ull * unsigned(hit - 1001));   // one redraw too many
    EXPECT_EQ(g.findRandomCellInRect({0, 0}, {63, 63}, all, 1), std::nullopt);
    std::mt19937 consumed;
    consumed.discard(2ull * unsigned(hit));
    EXPECT_EQ(g.rng, consumed);
}

}
