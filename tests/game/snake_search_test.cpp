#include <random>

#include "game/ai_snake_search.h"
#include "game/snake_search.h"
#include "game/snake_search_board.h"
#include "support/literal_check_direction.h"
#include "support/random_arena.h"
#include "support/round_fixture.h"

namespace {

using SnakeSearch = RoundTest;

// Every candidate way from the head of a random snake on a random arena, the
// reverse included, searched by the literal walk, by the fast search on one
// thread and by the fast search shared out over the cores.
TEST_F(SnakeSearch, FastSearchGivesTheLiteralResultsOnRandomArenas)
{
    startGame();
    std::mt19937 rng(20240611);
    const int depths[] = {0, 1, 2, 3, 4, 6, 8, 10, 12};
    int compared = 0;
    for (int arena = 0; arena < 240; ++arena) {
        RandomArenaShape shape;
        shape.gridBlocks = arena % 2 == 0;
        shape.border = arena % 5 != 0;
        shape.width = std::uniform_int_distribution<int>(5, 13)(rng);
        shape.height = std::uniform_int_distribution<int>(5, 11)(rng);
        shape.blockPercent = std::uniform_int_distribution<int>(0, 40)(rng);
        shape.humans = std::uniform_int_distribution<int>(0, 5)(rng);
        shape.snakes = std::uniform_int_distribution<int>(0, 2)(rng);
        shape.crawlers = std::uniform_int_distribution<int>(0, 2)(rng);
        auto snake = makeRandomSearchArena(rng, shape, game.get());
        gameOptions.aiSnakeAggressiveness = arena % 4 - 1;
        gameOptions.maxPlayerSpeed = 5 + arena % 3;
        const int depth = depths[std::size_t(arena) % std::size(depths)] + (shape.gridBlocks ? 3 : 0);
        const int growBonus = 1 + arena % 2;
        const int score = arena % 3;

        const Vector2 head = snake->centreCell();
        std::vector<Vector2> cells;
        for (const Vector2& offset : neighbourOffsets)
            cells.push_back(head + offset);
        const SnakeSearchBoard board({head}, growBonus, snake.get(), game.get());
        const auto shared = checkDirections(board, cells, depth, score, SearchSpread::AllCores);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const auto literal = literalCheckDirection(cells[c], {head}, depth, score, growBonus, snake);
            const auto fast = checkDirection(cells[c], {head}, depth, score, growBonus, snake);
            SCOPED_TRACE(::testing::Message() << "arena " << arena << " depth " << depth << " cell " << cells[c]);
            EXPECT_EQ(fast.score, literal.score);
            EXPECT_EQ(fast.pathCount, literal.pathCount);
            EXPECT_EQ(shared[c].score, literal.score);
            EXPECT_EQ(shared[c].pathCount, literal.pathCount);
            ++compared;
        }
    }
    EXPECT_EQ(compared, 960);
}

}
