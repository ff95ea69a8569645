#pragma once
#include <functional>

// The steps of one game frame, in the order Game::update runs them.
enum class UpdateStep {
    Auction,
    Players,
    Flags,
    KingOfTheHill,
    Bombs,
    Explosions,
    PlayerDeaths,
    ShrinkingArena,
    AiSnakes,
    TeamElimination,
    RespawningWalls,
    Toasts,
    RoundEnd,
};

// Told of each step just before it runs (the mode steps only when they run);
// empty in the game. Tests set it to see what a frame did and in which order.
extern std::function<void(UpdateStep)> updateStepObserver;
