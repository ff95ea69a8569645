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
#include <memory>
#include <random>
#include <vector>

#include "controls/controls_manager.h"
#include "frame/app_globals.h"
#include "frame/settings.h"
#include "game/ai_snake_search.h"
#include "game/auto_random_input.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"
#include "session/game_session.h"
#include "session/session_screens.h"
#include "session/verify_text.h"
#include "support/allegro_environment.h"
#include "support/scripted_controls.h"
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

// Rounds of scripted input that between them lay and chain bombs, crumble
// blocks, respawn walls, shrink an arena and bring in computer snakes that
// search their way.
const std::vector<ReferenceRound>& referenceRounds()
{
    static const std::vector<ReferenceRound> rounds{
        {"classic_normal", 0, 4, 3, 60, 1200, 11, {}},
        // Few blocks, so walls respawn from the start.
        {"snake_hunter_snakes", 4, 4, 3, 60, 1500, 12, [] { gameOptions.wallDensity = 1; }},
        {"deathmatch_shrinking", 5, 3, 1, 60, 2400, 13,
         [] {
             gameOptions.timeBeforeShrinking = 0;
             gameOptions.shrinkSpeed = 4;
             // Every block hides a powerup: rockets and pushed bombs come early.
             gameOptions.powerupDensity = 20;
         }},
        {"everything_144", 6, 6, 4, 144, 1800, 14, [] { gameOptions.powerupDensity = 20; }},
        {"battle_royale_120", 2, 8, 2, 120, 1200, 15, {}},
    };
    return rounds;
}

// Computer snakes think for a fixed time on every decision, so how busy the
// machine is never changes their depth.
constexpr std::int64_t steadyDecisionNanoseconds = 4'000'000;

// Each player walks one way for a while, then another, and presses fire and
// the second button now and then: the same presses from the same seed, drawn
// from the test's own generator, whatever happens in the round.
class ScriptedPlayers {
public:
    ScriptedPlayers(std::size_t count, unsigned seed) : rng_(seed)
    {
        for (std::size_t i = 0; i < count; ++i)
            pads_.push_back(std::make_shared<ScriptedControls>());
        walkFor_.assign(count, 0);
    }
    std::vector<std::shared_ptr<Controls>> controls() const { return {pads_.begin(), pads_.end()}; }

    // The presses of the next frame.
    void next()
    {
        for (std::size_t i = 0; i < pads_.size(); ++i) {
            ScriptedControls& pad = *pads_[i];
            if (--walkFor_[i] < 1) {
                const int way = int(rng_() % 5);
                pad.hold(way == 0 ? -1 : way == 1 ? 1 : 0, way == 2 ? -1 : way == 3 ? 1 : 0);
                walkFor_[i] = int(rng_() % 40) + 1;
            }
            pad.fireDown = rng_() % 20 == 0;
            pad.button2Down = rng_() % 40 == 0;
        }
    }

private:
    std::mt19937 rng_;
    std::vector<std::shared_ptr<ScriptedControls>> pads_;
    std::vector<int> walkFor_;
};

// What the rounds showed, frame by frame, so the kept rounds are known to
// exercise what they are kept for.
struct Seen {
    int crumblingCells = 0;
    int liveBombs = 0;
    int outerWallsLaid = 0;   // the shrinking arena closed in
    int blocksAppeared = 0;   // a cell that was not a block became one (respawned or pushed)
    int computerSnakes = 0;
    int frames = 0;

    void look(std::vector<int>& lastGrid)
    {
        std::vector<int> now;
        for (int x = 0; x < grid.width(); ++x) {
            for (int y = 0; y < grid.height(); ++y) {
                const int kind = grid.get(x, y);
                now.push_back(kind);
                crumblingCells += (kind >= Square::Crumbling && kind < Square::CrumblingEnd) ||
                                  (kind >= Square::ToughCrumbling && kind < Square::ToughCrumblingEnd);
                const Bomb& bomb = bombGrid.get(x, y);
                liveBombs += bomb.isLive();
            }
        }
        if (lastGrid.size() == now.size()) {
            for (std::size_t i = 0; i < now.size(); ++i) {
                blocksAppeared += now[i] == Square::Block && lastGrid[i] != Square::Block;
                outerWallsLaid += now[i] == Square::OuterWall && lastGrid[i] != Square::OuterWall;
            }
        }
        lastGrid = std::move(now);
        for (const auto& p : player)
            computerSnakes += p && p->isAI && !p->dead;
    }
};

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
        autoRandomControls = false;
        controlsManager = std::make_unique<ControlsManager>();
    }
    void TearDown() override
    {
        resetRoundState();
        gameOptions = GameOptions{};
        sessionScreens = defaultSessionScreens();
        advanceLimit = 0;
        fastForward = false;
        snakeSearchClock = steadyClockNanoseconds;
        controlsManager.reset();
    }

    // Records the round into the data folder's replays and returns its path.
    static std::string record(const ReferenceRound& r, Seen& seen)
    {
        ScriptedPlayers pads(std::size_t(r.players), r.seed);
        controlsManager->controls = pads.controls();
        std::vector<int> lastGrid;
        sessionScreens.pauseRequested = [&] {
            seen.look(lastGrid);
            pads.next();
            return false;
        };
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
        sessionScreens.pauseRequested = [] { return false; };
        EXPECT_TRUE(outcome.replaySaved);
        seen.frames = outcome.frames;
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
    Seen all;
    for (const ReferenceRound& r : referenceRounds()) {
        SCOPED_TRACE(r.name);
        TempDataHome home;
        Seen seen;
        const std::string recorded = record(r, seen);
        EXPECT_GT(seen.liveBombs, 0);
        EXPECT_GT(seen.crumblingCells, 0);
        all.outerWallsLaid += seen.outerWallsLaid;
        all.blocksAppeared += seen.blocksAppeared;
        all.computerSnakes += seen.computerSnakes;
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
    EXPECT_GT(all.outerWallsLaid, 0);
    EXPECT_GT(all.blocksAppeared, 0);
    EXPECT_GT(all.computerSnakes, 0);
}

}
