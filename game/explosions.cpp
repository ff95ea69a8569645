#include <algorithm>
#include <utility>
#include <vector>

#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"

// Explosions send flames out in waves; flames break blocks, burn powerups and
// set off other bombs.

namespace {

// From this version on the flame head starts next to the bomb and timers scale
// with the update rate.
constexpr int flameLayoutVersion = 0x5f01c;
// From this version on a blocked head lets the waves behind it burn out where
// they stand instead of removing its whole direction at once.
constexpr int stoppedGroupVersion = 0x5f01a;

// A flame of a stopped group goes out at its next advance.
constexpr int burnOutDistance = 999;

// Flame group ids seen in one pass: only membership counts.
class GroupSet {
public:
    void clear() { ids_.clear(); }
    void insert(int id)
    {
        if (!contains(id))
            ids_.push_back(id);
    }
    bool contains(int id) const { return std::find(ids_.begin(), ids_.end(), id) != ids_.end(); }
    bool empty() const { return ids_.empty(); }

private:
    std::vector<int> ids_;
};

bool insideInterior(int x, int y)
{
    return x >= 1 && y >= 1 && x < grid_squares_x - 1 && y < grid_squares_y - 1;
}

bool outsideArena(const Flame& f)
{
    return f.x < 0 || f.y < 0 || f.x >= grid_squares_x || f.y >= grid_squares_y;
}

// What a flame head does to the cell it reaches: blocks wear down and
// crumbling blocks start crumbling afresh.
void wearDown(int& kind)
{
    if (kind == Square::Block)
        kind = Square::Crumbling;
    else if (kind == Square::ToughBlock)
        kind = Square::ToughBlock + 1;
    else if (kind == Square::ToughBlock + 1)
        kind = Square::ToughBlockLast;
    else if (kind == Square::ToughBlockLast)
        kind = Square::ToughCrumbling;
    else if (kind >= Square::Crumbling && kind <= Square::CrumblingEnd)
        kind = Square::Crumbling;
    else if (kind >= Square::ToughCrumbling && kind <= Square::ToughCrumblingEnd)
        kind = Square::ToughCrumbling;
}

// The per-pass bookkeeping, kept between passes so a frame allocates nothing.
struct ExplosionPass {
    std::vector<char> removed;
    GroupSet stopped;
    GroupSet groupsRemoved;
};

ExplosionPass& explosionPass()
{
    static ExplosionPass pass;
    return pass;
}

// A wave that has not moved off `cell` yet, with the unscaled timers 0, 4 and 8.
Flame restingWave(const std::shared_ptr<Player>& owner, int wave, Vector2 cell, Vector2 step,
                  int group)
{
    Flame f;
    f.owner = owner;
    f.wave = wave;
    f.x = cell.x;
    f.y = cell.y;
    f.dx = step.x;
    f.dy = step.y;
    f.timer = (wave - 1) * 4;
    f.group = group;
    return f;
}

}

void Game::explodeAt(Vector2 cell, const std::shared_ptr<Player>& owner)
{
    if (!owner)
        return;
    const int mult = gameOptions.updateRateMultiplier;
    const bool oldLayout = playingOlderThan(replayData, flameLayoutVersion);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0)
                continue;
            if (dx != 0 && dy != 0 && !owner->ultraBomb)
                continue;
            const int group = nextFlameGroup++;
            for (int wave = 1; wave <= 3; ++wave) {
                Flame f = restingWave(owner, wave, cell, {dx, dy}, group);
                if (!oldLayout) {
                    if (wave == 1) {
                        f.x += dx;
                        f.y += dy;
                        f.distance = 1;
                        f.fresh = true;
                    }
                    f.timer = mult * (wave == 3 ? 8 : 4);
                    if (!insideInterior(f.x, f.y))
                        continue;
                }
                flames.push_back(f);
            }
        }
    }
}

void Game::addFlameLine(Vector2 cell, Vector2 step, const std::shared_ptr<Player>& owner)
{
    if (!owner)
        return;
    const int group = nextFlameGroup++;
    for (int wave = 1; wave <= 3; ++wave) {
        Flame f = restingWave(owner, wave, cell, step, group);
        f.fromLine = true;
        flames.push_back(f);
    }
}

void Game::updateExplosions()
{
    if (flames.empty())
        return;
    const int mult = gameOptions.updateRateMultiplier;
    const bool oldTimers = playingOlderThan(replayData, flameLayoutVersion);
    ExplosionPass& pass = explosionPass();
    pass.removed.assign(flames.size(), 0);
    pass.stopped.clear();
    pass.groupsRemoved.clear();

    for (std::size_t i = 0; i < flames.size(); ++i) {
        Flame& f = flames[i];
        const int oldTimer = f.timer--;
        const bool advance = oldTimers ? oldTimer <= 0 : f.timer <= 0;
        if (advance) {
            f.x += f.dx;
            f.y += f.dy;
            f.timer = mult * 4;
            f.distance += 1;
        } else if (!f.fresh) {
            continue;
        }
        f.fresh = false;

        if (outsideArena(f)) {
            pass.removed[i] = 1;
            pass.groupsRemoved.insert(f.group);
            continue;
        }
        // A flame whose owner has left the game goes out unread.
        const std::shared_ptr<Player> owner = f.owner.lock();
        if (!owner || f.distance > owner->range) {
            pass.removed[i] = 1;
            continue;
        }

        int& kind = grid.get(f.x, f.y);
        if (kind != Square::Empty) {
            const bool stops = !owner->annihilator || kind == Square::Wall || kind == Square::OuterWall;
            if (stops) {
                pass.removed[i] = 1;
                if (f.wave == 1) {
                    if (playingOlderThan(replayData, stoppedGroupVersion))
                        pass.groupsRemoved.insert(f.group);
                    else
                        pass.stopped.insert(f.group);
                }
            }
            if (f.wave == 1) {
                wearDown(kind);
                busyCells.mark(f.x, f.y);
            }
            continue;
        }

        Bomb& bomb = bombGrid.get(f.x, f.y);
        if (std::shared_ptr<Player> bombOwner = bomb.liveOwner()) {
            // Chain reaction: the bomb goes off shortly, whatever its fuse was.
            bomb.fuse = mult * 3;
            bomb.state = BombState::Normal;
            bombOwner->specialBombOut = false;
            pass.removed[i] = 1;
            pass.groupsRemoved.insert(f.group);
            continue;
        }
        if (!owner->annihilator)
            powerupGrid.get(f.x, f.y) = 0;
    }

    // The rest keep their order.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < flames.size(); ++i) {
        const Flame& f = flames[i];
        if (pass.removed[i] || f.owner.expired() || pass.groupsRemoved.contains(f.group))
            continue;
        if (kept != i)
            flames[kept] = std::move(flames[i]);
        ++kept;
    }
    flames.resize(kept);
    if (!pass.stopped.empty()) {
        for (Flame& f : flames) {
            if (pass.stopped.contains(f.group))
                f.distance = burnOutDistance;
        }
    }
}
