#pragma once

class Game;

// The short pause between rounds when the game's randomness has just risen:
// the game's toasts ("Randomness up!") float over a black screen for 120
// updates; the arena is not drawn.
class RandomnessPause {
public:
    explicit RandomnessPause(Game& game);

    void update();
    void render();
    bool done() const { return remaining_ < 1; }

private:
    Game& game_;
    int remaining_ = 120;
};

// Runs the pause on the screen loop (the session's randomness pause screen).
void randomnessPause(Game& game);

// The pause's screen: the logical screen bitmap made afresh at size 1
// (640 x 480), whatever size the screen before it had.
void recreateRandomnessScreen();
