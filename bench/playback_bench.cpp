// Playback with verification: every replay of a folder (the corpus by
// default) is played back and checked without a display; the total round time
// of the replays is divided by the wall time it took.
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
    double roundSeconds = 0;
    double wallSeconds = 0;
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
            roundSeconds += double(outcome.frames) / double(rate);
        } catch (const std::exception& e) {
            std::printf("%s: %s\n", path.c_str(), e.what());
            ++failures;
            continue;
        }
        wallSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::printf("%zu replays, %d failed: %.1f s of rounds verified in %.3f s wall, %.0f x real time\n",
                replays.size(), failures, roundSeconds, wallSeconds, roundSeconds / wallSeconds);
    return failures == 0 ? 0 : 1;
}
