// Fast-forward without rendering: updates per second of whole rounds with
// random input, no display and no sound, and the same as a multiple of real
// time at 60 updates per second. Three figures:
// - 4-player Classic on the Normal arena with recording off;
// - the same with recording on, as the game plays by default (the replay and
//   its verify text are written and flushed as the rounds go);
// - 4-player Snake Hunter on the Normal arena, whose computer snakes come in
//   and search their way (recording off). Every decision seems to take 4 ms
//   to the depth adaptation, so the search keeps the depth it starts with
//   however fast the machine or the search is, and the figures compare.
// Each figure plays round after round (new seeds) until it has a second of
// work at least, and is the median of several such runs.
//
//   build/bench/tamwick_fast_forward_bench [runs [figure 1..3 [rounds]]]
//
// With a number of rounds each run plays exactly that many instead of a
// second's worth: a fixed amount of work, for counting instructions
// (valgrind --tool=callgrind) where the machine is too busy for seconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "frame/game_ids.h"
#include "frame/settings.h"
#include "game/ai_snake_search.h"
#include "game/game_options.h"
#include "session/game_session.h"
#include "session/replay_folder.h"
#include "support/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double secondsPerRun = 1.0;
int fixedRounds = 0;   // > 0: each run plays this many rounds

struct Figure {
    const char* label;
    int mode;
    int players;
    int arenaSize;
    int frameLimit;   // the most one round runs
    bool record;
    bool steadySearchDepth = false;
};

struct Run {
    long frames = 0;
    int rounds = 0;
    int roundsOver = 0;   // ended on their own rather than at the frame limit
    double seconds = 0;
    double perSecond() const { return seconds > 0 ? double(frames) / seconds : 0; }
};

// One round from the seed; its replay, if recorded, is removed afterwards.
RoundOutcome playOne(const Figure& f, unsigned seed)
{
    gameOptions = GameOptions{};
    gameOptions.gameMode = f.mode;
    gameOptions.quickStartPlayers = f.players - 1;
    gameOptions.arenaSize = f.arenaSize;
    advanceLimit = f.frameLimit;
    std::srand(seed);
    if (f.steadySearchDepth)
        snakeSearchClock = [now = std::int64_t(0)]() mutable { return now += 4'000'000; };
    else
        snakeSearchClock = steadyClockNanoseconds;
    GameSession session(f.record, "", {true, true});
    session.start();
    const RoundOutcome outcome = session.playRound();
    session.end();
    return outcome;
}

Run measureRun(const Figure& f, unsigned& seed)
{
    Run run;
    while (fixedRounds > 0 ? run.rounds < fixedRounds : run.seconds < secondsPerRun) {
        const Clock::time_point start = Clock::now();
        const RoundOutcome outcome = playOne(f, seed++);
        run.seconds += std::chrono::duration<double>(Clock::now() - start).count();
        run.frames += outcome.frames;
        run.rounds += 1;
        run.roundsOver += outcome.roundOver ? 1 : 0;
        if (f.record) {
            std::error_code ignored;
            std::filesystem::remove_all(getReplaysFolder(), ignored);
        }
    }
    return run;
}

void measure(const Figure& f, int runs)
{
    std::vector<Run> all;
    unsigned seed = 1;
    for (int i = 0; i < runs; ++i)
        all.push_back(measureRun(f, seed));
    std::sort(all.begin(), all.end(), [](const Run& a, const Run& b) { return a.perSecond() < b.perSecond(); });
    const Run& median = all[all.size() / 2];
    std::printf("%-52s median %10.0f updates/s (%7.0f x real time at 60 Hz); runs from %.0f to %.0f; "
                "median run: %d rounds (%d over), %ld updates in %.3f s\n",
                f.label, median.perSecond(), median.perSecond() / 60.0, all.front().perSecond(),
                all.back().perSecond(), median.rounds, median.roundsOver, median.frames, median.seconds);
}

}

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int only = argc > 2 ? std::atoi(argv[2]) : 0;
    fixedRounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 0;
    TempDataHome home;
    autoRandomControls = true;
    const Figure figures[] = {
        {"4 players, Classic, Normal arena, recording off", GameMode::Classic, 4, 3, 20000, false},
        {"4 players, Classic, Normal arena, recording on", GameMode::Classic, 4, 3, 20000, true},
        {"4 players, Snake Hunter, Normal arena, computer snakes", GameMode::SnakeHunter, 4, 3, 3000, false,
         true},
    };
    std::printf("Fast forward: %d runs of at least %.1f s each, rounds of random input\n", runs, secondsPerRun);
    for (int i = 0; i < 3; ++i) {
        if (only == 0 || only == i + 1)
            measure(figures[i], runs);
    }
    return 0;
}
