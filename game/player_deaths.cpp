#include <algorithm>
#include <tuple>
#include <vector>

#include "frame/game_ids.h"
#include "game/arena.h"
#include "game/game.h"
#include "game/player.h"
#include "game/round_state.h"

// Which players flames, walls and snakes hit this frame, and in which order.

namespace {

// From this version on two snake heads on one cell collide.
constexpr int headCollisionVersion = 0x5f00c;
// From this version on the body wall test covers only the parts the length allows.
constexpr int bodyLengthVersion = 0x100000a;

Vector2 cellOfPart(const SnakePart& part)
{
    return pixelCentreToCell(std::get<0>(part), std::get<1>(part));
}

bool bodyCovers(const Player& p, Vector2 cell)
{
    return std::any_of(p.snakeBody.begin(), p.snakeBody.end(),
                       [cell](const SnakePart& part) { return cellOfPart(part) == cell; });
}

// At most one flame hit per player and frame.
void hitByFlames(const Game& game, const std::shared_ptr<Player>& p)
{
    const Vector2 centre = p->centreCell();
    for (const Flame& f : game.flames) {
        const Vector2 at{f.x, f.y};
        const bool onCentre = at == centre;
        const bool onBody = p->isSnake() && bodyCovers(*p, at);
        if (!onCentre && !onBody)
            continue;
        // A flame whose owner has left the game hurts nobody.
        const std::shared_ptr<Player> owner = f.owner.lock();
        if (!owner)
            continue;
        const bool ownLine = f.fromLine && owner == p;
        if (onCentre && !ownLine) {
            p->hit(DeathCause::Explosion, game.replayData, owner);
            return;
        }
        if (onBody) {
            p->hit(DeathCause::SnakeBodyHitByExplosion, game.replayData, owner);
            return;
        }
    }
}

// A wall or block under a part of the snake's body (the head end excluded).
void hitByWallOnBody(const Game& game, const std::shared_ptr<Player>& p)
{
    std::size_t parts = p->snakeBody.size();
    if (!playingOlderThan(game.replayData, bodyLengthVersion))
        parts = std::min(parts, std::size_t(p->snakeLength));
    for (std::size_t i = 1; i < parts; ++i) {
        const int kind = grid.at(cellOfPart(p->snakeBody[i]));
        if (kind >= Square::Wall && kind <= Square::ToughBlockLast) {
            p->hit(DeathCause::SnakeBodyHitByAppearingWall, game.replayData, nullptr);
            return;
        }
    }
}

}

void Game::checkPlayerDeaths()
{
    std::vector<std::shared_ptr<Player>> headCollisions;
    // Hits may change the list's players (not the list), so walk it by index.
    for (std::size_t i = 0; i < player.size(); ++i) {
        const std::shared_ptr<Player> p = player[i];
        if (!p || p->dead || p->ghost)
            continue;

        hitByFlames(*this, p);
        if (p->dead)
            continue;

        const Vector2 centre = p->centreCell();
        if (grid.at(centre) != Square::Empty && !p->isSnake()) {
            p->hit(DeathCause::Wall, replayData, nullptr);
            if (p->dead)
                continue;
        }

        if (p->snakeLength >= 1) {
            hitByWallOnBody(*this, p);
            if (p->dead)
                continue;
        }

        std::shared_ptr<Player> other;
        if (squareMatchesMask(p->centreCell(), CellMask::SnakeHead, p, &other)) {
            if (p->isSnake()) {
                if (!playingOlderThan(replayData, headCollisionVersion) &&
                    std::find(headCollisions.begin(), headCollisions.end(), p) == headCollisions.end())
                    headCollisions.push_back(p);
            } else {
                p->hit(DeathCause::Eaten, replayData, other);
            }
        }
    }
    // Neither snake of a head-on meeting is credited to the other.
    for (const auto& snake : headCollisions)
        snake->hit(DeathCause::SnakeHeadCollision, replayData, nullptr);
}
