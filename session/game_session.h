#pragma once
#include <istream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "game/game_options.h"
#include "game/round_results.h"
#include "session/replay_header.h"

class Game;
struct GameLoopState;
class Music;
class RoundRecording;

// How a session is run for tests of replays: `fast` renders one update in 60
// and runs in fast forward; `skipResults` shows no results between rounds.
struct ReplayTestOptions {
    bool fast = false;
    bool skipResults = false;
};

// Plays a new game (empty `replayPath`: players join, rounds until somebody
// has won enough, each recorded when `record` is set), or plays back one
// replay file, checked against its verify text when it has one. A replay that
// cannot be played as it stands throws ReplayError. True when the session was
// quit or could not start.
bool play_the_game(bool record, std::string replayPath, ReplayTestOptions options);

// The highest win count of a round's result table (0 for an empty one).
int maxWins(const std::vector<ScoringEntity>& results);
// Frames rendered per 60 timer ticks since the round began (0 before any tick).
float calcAverageFps();

// How one round of a session ended.
struct RoundOutcome {
    bool roundOver = false;      // the mode's end condition held
    bool quit = false;           // pause menu, window closed or the advance limit
    bool replayEnded = false;    // the replay ran out before the round was over
    bool setupFailed = false;    // the players did not fit on the arena
    bool gameOver = false;       // somebody has the wins needed
    std::string replayPath;      // the replay recorded or played
    bool replaySaved = true;     // false when the recording could not be written whole
    int frames = 0;
};

// One session in steps, so a harness can run rounds one at a time:
// start(), then playRound() until sessionOver(), then end(). Whatever way the
// object goes (exceptions included), the game options, the timer rate and the
// two-second frame count are put back as they were; fast forward is off after
// end(), and as it was before the session when the session stops short of it.
class GameSession {
public:
    GameSession(bool record, std::string replayPath, ReplayTestOptions options);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Builds the players (join screen, quick start or the replay's header);
    // false when the join screen was left without starting.
    bool start();
    RoundOutcome playRound();
    // True once the game is over, it was quit, or the replay's round was played.
    bool sessionOver() const { return over_; }
    // True when a replay plays with no verify text beside it: nothing of its
    // round is checked.
    bool playingUnchecked() const { return playing_ && !verifyInput_; }
    // Empties the players and teams and restores the options; returns whether
    // the session was quit.
    bool end();

private:
    void startReplay();
    void buildPlayers();
    void showResults(Game& game, RoundOutcome& outcome);
    // Throws ReplayError when the played replay ran out before its end byte,
    // holds another byte in its place, or goes on after it.
    void requireWholeReplay(const Game& game);

    bool record_;
    std::string replayPath_;
    ReplayTestOptions options_;
    bool playing_;
    GameOptions savedOptions_;
    int savedTwoSecondFrameCount_;
    bool savedFastForward_;
    bool restored_ = false;
    std::unique_ptr<std::istringstream> replayInput_;
    std::shared_ptr<std::istream> verifyInput_;
    std::optional<int> replayInputVersion_;
    std::vector<PlayerSetupRecord> records_;
    bool firstRound_ = true;
    bool quit_ = false;
    bool over_ = false;

    void restore();
};
