// Rounds recorded once and kept with the tests: recording the same set-up
// with the same inputs today must give the same replay bytes and verify text,
// and each kept replay must still play back through its verify text. This
// holds the rules still while their code is reworked for speed.
//
// TAMWICK_WRITE_REFERENCE_ROUNDS=1 writes the kept rounds afresh (only after a
// change that is meant to change replays).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "frame/app_globals.h"
#include "frame/settings.h"
#include "game/ai_snake_search.h"
#include "game/auto_random_input.h"
#include "game/game_options.h"
#include "game/round_state.h"
#include "session/game_session.h"
#include "session/session_screens.h"
#include "session/verify_text.h"
#include "support/allegro_environment.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

const fs::path referenceFolder = fs::path(TAMWICK_SOURCE_DIR) / "tests/session/data/reference_rounds";

struct ReferenceRound {
    const char* name;
    int mode;
    int players;
    int arenaSize;
    int rate;
    int frames;   // the most the round may run
    unsigned seed;
    std::function<void()> options;
};

// Rounds of random input that between them lay and chain bombs, crumble
// blocks, push and fire rockets, respawn walls, shrink an arena to its end and
// bring in computer snakes that search their way.
const std::vector<ReferenceRound>& referenceRounds()
{
    static const std::vector<ReferenceRound> rounds{
        {"classic_normal", 0, 4, 3, 60, 1200, 11, {}},
        {"snake_hunter_snakes", 4, 4, 3, 60, 1500, 12, {}},
        {"deathmatch_shrinking", 5, 3, 1, 60, 2400, 13,
         [] {
             gameOptions.timeBeforeShrinking = 0;
             gameOptions.shrinkSpeed = 4;
         }},
        {"everything_144", 6, 6, 4, 144, 1800, 14, {}},
        {"battle_royale_120", 2, 8, 2, 120, 1200, 15, {}},
    };
    return rounds;
}

// Computer snakes think for a fixed time on every decision, so how busy the
// machine is never changes their depth.
constexpr std::int64_t steadyDecisionNanoseconds = 4'000'000;

class ReferenceRounds : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Colours read from a replay go through Allegro's colour mapping.
        ensureAllegroSystem();
        resetRoundState();
        sessionScreens = defaultSessionScreens();
        colours = std::vector<RGB>(10, RGB{1, 2, 3});
        fastForward = false;
        autoRandomControls = true;
    }
    void TearDown() override
    {
        resetRoundState();
        gameOptions = GameOptions{};
        sessionScreens = defaultSessionScreens();
        advanceLimit = 0;
        fastForward = false;
        autoRandomControls = false;
        snakeSearchClock = {};
    }

    // Records the round into the data folder's replays and returns its path.
    static std::string record(const ReferenceRound& r)
    {
        std::srand(r.seed);
        levelRng = std::mt19937{};
        autoRandomInputTable = {};
        snakeSearchClock = [now = std::int64_t(0)]() mutable { return now += steadyDecisionNanoseconds; };
        gameOptions = GameOptions{};
        gameOptions.gameMode = r.mode;
        gameOptions.quickStartPlayers = r.players - 1;
        gameOptions.arenaSize = r.arenaSize;
        gameOptions.winsNeeded = 1;
        if (r.options)
            r.options();
        // No timer runs without a display: the rate is the options' alone.
        gameOptions.updateRate = r.rate;
        gameOptions.updateRateMultiplier = updateRateMultiplierFor(r.rate);
        advanceLimit = r.frames;
        GameSession session(true, "", {true, true});
        EXPECT_TRUE(session.start());
        const RoundOutcome outcome = session.playRound();
        session.end();
        EXPECT_TRUE(outcome.replaySaved);
        return outcome.replayPath;
    }

    static bool playBack(const std::string& path)
    {
        advanceLimit = 0;
        GameSession session(false, path, {true, true});
        session.start();
        const RoundOutcome outcome = session.playRound();
        session.end();
        return outcome.roundOver || outcome.replayEnded;
    }
};

TEST_F(ReferenceRounds, RecordTodayAsTheyWereRecordedAndPlayBackVerified)
{
    const char* rewrite = std::getenv("TAMWICK_WRITE_REFERENCE_ROUNDS");
    const bool writing = rewrite && std::string(rewrite) == "1";
    if (writing)
        fs::create_directories(referenceFolder);
    for (const ReferenceRound& r : referenceRounds()) {
        SCOPED_TRACE(r.name);
        TempDataHome home;
        const std::string recorded = record(r);
        ASSERT_FALSE(recorded.empty());
        const std::string bytes = readFile(recorded);
        const std::string text = decompress(readFile(recorded + ".verifyZ"));
        const fs::path kept = referenceFolder / (std::string(r.name) + ".replay");
        if (writing) {
            writeFile(kept, bytes);
            writeFile(kept.string() + ".verifyZ", readFile(recorded + ".verifyZ"));
        }
        ASSERT_TRUE(fs::exists(kept)) << kept << " is missing (TAMWICK_WRITE_REFERENCE_ROUNDS=1 writes it)";
        const std::string keptBytes = readFile(kept);
        EXPECT_EQ(bytes.size(), keptBytes.size());
        EXPECT_TRUE(bytes == keptBytes) << "replay bytes differ from " << kept;
        const std::string keptText = decompress(readFile(kept.string() + ".verifyZ"));
        if (text != keptText) {
            std::size_t line = 1;
            for (std::size_t i = 0; i < std::min(text.size(), keptText.size()) && text[i] == keptText[i]; ++i)
                line += text[i] == '\n';
            ADD_FAILURE() << "verify text differs from " << kept << " from line " << line;
        }

        // The kept replay plays back to its end and through its verify text;
        // playback copies it into the data folder, where replays are read.
        const fs::path copy = home.dataFolder() / "kept.replay";
        fs::copy_file(kept, copy);
        fs::copy_file(kept.string() + ".verifyZ", copy.string() + ".verifyZ");
        EXPECT_NO_THROW(EXPECT_TRUE(playBack(copy.string())));
    }
}

}
