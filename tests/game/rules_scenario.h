#pragma once
#include <set>
#include <utility>

#include "frame/log.h"
#include "support/round_fixture.h"

// Helpers for scenarios that set bombs, flames and snakes up by hand.
class RulesScenario : public RoundTest {
protected:
    // A player that owns bombs but stands nowhere in the arena (not in the
    // list); the test keeps it alive.
    std::shared_ptr<Player> makeOwner(int range = 2)
    {
        auto owner = std::make_shared<Player>(50, 0, -1, PlayerLook{}, nullptr);
        owner->resetStats();
        owner->range = range;
        owners.push_back(owner);
        return owner;
    }
    std::vector<std::shared_ptr<Player>> owners;

    // A bomb in the cell, as the fire button would lay it.
    Bomb& placeBomb(Vector2 cell, const std::shared_ptr<Player>& owner, int fuse,
                    int state = BombState::Normal)
    {
        Bomb& bomb = bombGrid.at(cell);
        bomb.owner = owner;
        bomb.fuse = fuse;
        bomb.state = state;
        bomb.moveCounter = 0;
        busyCells.mark(cell);
        return bomb;
    }

    // A replay of an older version, with no streams: the rules under test read
    // no frame records, so the frame is run step by step with rulesFrames.
    static PackagedReplayData replayOfVersion(int version)
    {
        PackagedReplayData replay;
        replay.playing = true;
        replay.replayInputVersion = version;
        return replay;
    }

    // The bomb, flame and death steps of `frames` game frames.
    void rulesFrames(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            game->updateBombs();
            game->updateExplosions();
            game->checkPlayerDeaths();
            ++frameCounter;
        }
    }

    // Every cell a flame stood on after each of the next `frames` frames.
    std::set<std::pair<int, int>> flameCellsOver(int frames, bool wholeUpdate = true)
    {
        std::set<std::pair<int, int>> cells;
        for (int i = 0; i < frames; ++i) {
            if (wholeUpdate)
                runFrames(1);
            else
                rulesFrames(1);
            for (const Flame& f : game->flames)
                cells.insert({f.x, f.y});
        }
        return cells;
    }

    int flamesOfGroup(int group) const
    {
        int n = 0;
        for (const Flame& f : game->flames)
            n += f.group == group ? 1 : 0;
        return n;
    }

    // Turns the player into a snake whose body parts stand on the given cells
    // (part 0 first).
    static void makeSnake(const std::shared_ptr<Player>& p, int length,
                          const std::vector<Vector2>& bodyCells)
    {
        p->snakeLength = length;
        p->snakeBody.clear();
        for (Vector2 c : bodyCells)
            p->snakeBody.emplace_back(c.x * 32, c.y * 32, 0);
    }
};
