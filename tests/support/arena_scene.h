#pragma once
#include <memory>

#include "frame/game_ids.h"
#include "game/game.h"

// A round in full swing, built by hand in the round's globals (no arena
// generator, no updates): walls, blocks, exposed and hidden powerups, players
// in many states, ticking bombs, spreading flames, crumbling blocks, a
// reappearing block, toasts and sparks; team bases, flags and the hill where
// the mode has them; computer snakes when asked. The same options give the
// same scene.
struct SceneOptions {
    int mode = GameMode::Classic;
    int width = 27;
    int height = 15;
    int players = 16;
    int computerSnakes = 0;
    unsigned seed = 7;
};

// Resets the round's globals, fills them and returns the round's Game.
std::unique_ptr<Game> buildArenaScene(const SceneOptions& options);
