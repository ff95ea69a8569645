#include "game/snake_search_board.h"

#include "game/arena.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"

namespace {

// What a human standing in a cell is worth per cell of depth still ahead: a
// dangerous one (special bombs, top speed, the UltraBomb) always draws the
// snake; the others as the snakes' aggressiveness says.
int humanBonus(const Player& p)
{
    const bool dangerous =
        p.bombType != BombType::Bomb || p.speed >= gameOptions.maxPlayerSpeed || p.ultraBomb;
    return dangerous ? 10 : gameOptions.aiSnakeAggressiveness;
}

bool isLivingSnake(const Player& p)
{
    return p.snakeLength >= 1 && !p.dead;
}

}

SnakeSearchBoard::SnakeSearchBoard(const std::vector<Vector2>& path, int growBonus,
                                   const Player* snake, const Game* game)
    : width_(grid_squares_x + 2), height_(grid_squares_y + 2)
{
    const std::size_t cells = std::size_t(width_) * std::size_t(height_);
    state_.assign(cells, Wall);
    base_.assign(cells, 0);
    bonus_.assign(cells, 0);
    steps_[0] = 1;
    steps_[1] = -1;
    steps_[2] = width_;
    steps_[3] = -width_;

    for (int y = 0; y < grid_squares_y; ++y) {
        for (int x = 0; x < grid_squares_x; ++x) {
            const std::size_t i = std::size_t(index({x, y}));
            const int kind = grid.get(x, y);
            state_[i] = isSolidWall(kind) ? Wall : Open;
            base_[i] = isBlock(kind) ? growBonus : 1;
        }
    }
    markSnakes();
    if (game) {
        for (const ShrinkCrawler& c : game->shrinkCrawlers) {
            const int i = index({c.x, c.y});
            if (i >= 0 && state_[std::size_t(i)] == Open)
                state_[std::size_t(i)] = Crawler;
        }
    }
    markPlayers(snake);

    lastGain_.assign(cells, 0);
    for (std::size_t i = 0; i < cells; ++i)
        lastGain_[i] = base_[i] + bonus_[i];

    // The path: its first cell is the head, which walks never step onto; the
    // others are visited unless a wall or crawler already stops the walk there.
    if (!path.empty()) {
        for (std::size_t k = 1; k < path.size(); ++k) {
            const int i = index(path[k]);
            if (i >= 0 && state_[std::size_t(i)] == Open)
                state_[std::size_t(i)] = Visited;
        }
        head_ = index(path.front());
        if (head_ >= 0) {
            headState_ = State(state_[std::size_t(head_)]);
            state_[std::size_t(head_)] = Head;
        }
    }

    endings_.assign(cells, 4);
    if (head_ >= 0) {
        for (int s : steps_) {
            const int n = head_ + s;
            if (n >= 0 && std::size_t(n) < cells)
                endings_[std::size_t(n)] = 3;
        }
    }
}

int SnakeSearchBoard::index(Vector2 cell) const
{
    if (cell.x < -1 || cell.y < -1 || cell.x > width_ - 2 || cell.y > height_ - 2)
        return -1;
    return (cell.y + 1) * width_ + cell.x + 1;
}

void SnakeSearchBoard::markSnakes()
{
    // Every living snake's head and body block the walk, the searching
    // snake's own included.
    auto block = [this](Vector2 cell) {
        const int i = index(cell);
        if (i >= 0)
            state_[std::size_t(i)] = Wall;
    };
    for (const auto& p : player) {
        if (!p || !isLivingSnake(*p))
            continue;
        block(pixelCentreToCell(p->x, p->y));
        for (const SnakePart& part : p->snakeBody)
            block(pixelCentreToCell(std::get<0>(part), std::get<1>(part)));
    }
}

void SnakeSearchBoard::markPlayers(const Player* snake)
{
    // The first living human of the list in a cell decides what the cell is
    // worth; a ghost there is worth nothing, whoever else stands with it.
    std::vector<bool> taken(state_.size(), false);
    for (const auto& p : player) {
        if (!p || p->dead || p->isAI || p.get() == snake)
            continue;
        const Vector2 cell = p->centreCell();
        if (!grid.contains(cell))
            continue;
        const std::size_t i = std::size_t(index(cell));
        if (taken[i])
            continue;
        taken[i] = true;
        if (!p->ghost)
            bonus_[i] = humanBonus(*p);
    }
}
