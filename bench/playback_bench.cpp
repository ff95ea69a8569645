// Playback with verification: every replay of a folder (the corpus by
// default) is played back and checked without a display; the total round time
// of the replays is divided by the wall time it took, for all of them and for
// the rounds that ended on their own (played to the end of their verify
// text) apart from those stopped by a frame limit.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/log.h"
#include "frame/settings.h"
#include "game/game_options.h"
#include "session/game_session.h"

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : TAMWICK_CORPUS_DIR;
    std::vector<std::string> replays;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".replay")
            replays.push_back(entry.path().string());
    if (replays.empty()) {
        std::printf("no replays in %s (run the corpus test first)\n", folder.string().c_str());
        return 1;
    }
    struct Total {
        int replays = 0;
        long frames = 0;
        double roundSeconds = 0;
        double wallSeconds = 0;
        void add(long f, double round, double wall)
        {
            ++replays;
            frames += f;
            roundSeconds += round;
            wallSeconds += wall;
        }
    };
    Total all, over, stopped;
    int failures = 0;
    for (const std::string& path : replays) {
        advanceLimit = 0;
        const auto start = std::chrono::steady_clock::now();
        try {
            GameSession session(false, path, {true, true});
            session.start();
            // While the session lasts the options are the replay's own.
            const int rate = gameOptions.updateRate;
            const RoundOutcome outcome = session.playRound();
            session.end();
            const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const double round = double(outcome.frames) / double(rate);
            all.add(outcome.frames, round, wall);
            (outcome.roundOver ? over : stopped).add(outcome.frames, round, wall);
        } catch (const std::exception& e) {
            std::printf("%s: %s\n", path.c_str(), e.what());
            ++failures;
        }
    }
    std::printf("%zu replays, %d failed\n", replays.size(), failures);
    auto print = [](const char* label, const Total& t) {
        std::printf("  %-34s %3d replays, %8ld updates: %8.1f s of rounds verified in %7.3f s wall, "
                    "%6.0f x real time, %9.0f updates/s\n",
                    label, t.replays, t.frames, t.roundSeconds, t.wallSeconds,
                    t.wallSeconds > 0 ? t.roundSeconds / t.wallSeconds : 0.0,
                    t.wallSeconds > 0 ? double(t.frames) / t.wallSeconds : 0.0);
    };
    print("all", all);
    print("rounds that ended on their own", over);
    print("rounds stopped by a frame limit", stopped);
    return failures == 0 ? 0 : 1;
}
