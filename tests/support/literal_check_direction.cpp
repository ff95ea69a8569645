#include "support/literal_check_direction.h"

#include <algorithm>
#include <climits>

#include "game/arena.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"

CheckDirectionResult literalCheckDirection(Vector2 cell, const std::vector<Vector2>& path,
                                           int depth, int score, int growBonus,
                                           const std::shared_ptr<Player>& snake)
{
    if (depth == 0)
        return {score, 1};
    if (!grid.contains(cell) || squareMatchesMask(cell, CellMask::WallsAndSnakes, nullptr))
        return {score - 2, 1};
    if (currentGame && currentGame->isCrawlerAt(cell))
        return {score - 1, 1};
    if (std::find(path.begin(), path.end(), cell) != path.end())
        return {score, 1};

    score += isBlock(grid.at(cell)) ? growBonus : 1;
    const Player* human = getPlayerOnCell(cell, snake.get());
    if (human && !human->ghost) {
        const bool dangerous = human->bombType != 0 ||
                               human->speed >= gameOptions.maxPlayerSpeed || human->ultraBomb;
        score += depth * (dangerous ? 10 : gameOptions.aiSnakeAggressiveness);
    }

    std::vector<Vector2> newPath = path;
    newPath.push_back(cell);
    int best = INT_MIN;
    std::int64_t count = 0;
    for (const Vector2& offset : neighbourOffsets) {
        const Vector2 next = cell + offset;
        if (next == path.front())
            continue;
        const CheckDirectionResult child =
            literalCheckDirection(next, newPath, depth - 1, score, growBonus, snake);
        best = std::max(best, child.score);
        count = addPathCounts(count, child.pathCount);
    }
    return {std::max(best, 0), count};
}
