#pragma once
#include <memory>
#include <string>

class Game;
class Music;
struct ReplayTestOptions;

// What ended a round's game loop.
struct GameLoopState {
    bool roundOver = false;
    bool replayEnded = false;
    bool quit = false;
};

// Runs the round: updates on the timer's ticks (all at once in fast forward),
// renders when the backlog is gone (every 4th update while behind, every 60th
// in a test run), and ends when the round is over, the replay has ended, or
// the round is quit (pause menu, window closed, advance limit). Waits on the
// event queue while nothing is due.
void runGameLoop(Game& game, const std::shared_ptr<Music>& music, const ReplayTestOptions& options,
                 const std::string& replayPath, GameLoopState& state);
