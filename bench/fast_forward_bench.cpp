// Fast-forward without rendering: updates per second of whole rounds with
// random input, no display and no sound, and the same as a multiple of real
// time at 60 updates per second.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "frame/settings.h"
#include "game/game_options.h"
#include "session/game_session.h"
#include "support/temp_folder.h"

namespace {

void measure(const char* label, int players, int arenaSize, int frames)
{
    gameOptions = GameOptions{};
    gameOptions.quickStartPlayers = players - 1;
    gameOptions.arenaSize = arenaSize;
    advanceLimit = frames;
    std::srand(1);
    GameSession session(false, "", {true, true});
    session.start();
    const auto start = std::chrono::steady_clock::now();
    const RoundOutcome outcome = session.playRound();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    session.end();
    const double perSecond = outcome.frames / seconds;
    std::printf("%-40s %7d updates in %6.3f s: %10.0f updates/s, %8.0f x real time at 60 Hz\n", label,
                outcome.frames, seconds, perSecond, perSecond / 60.0);
}

}

int main()
{
    TempDataHome home;
    autoRandomControls = true;
    measure("4 players, Classic, Normal arena 27x15", 4, 3, 60000);
    measure("16 players, Classic, Huge arena 59x35", 16, 6, 20000);
    return 0;
}
