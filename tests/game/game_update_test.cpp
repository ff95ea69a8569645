#include <sstream>
#include <streambuf>
#include <stdexcept>
#include <vector>

#include "frame/game_ids.h"
#include "game/update_steps.h"
#include "media/music.h"
#include "support/log_capture.h"
#include "support/round_fixture.h"

namespace {

class FadeRecorder : public Music {
public:
    void setVolume(int) override {}
    void fadeTo(float seconds, int volume) override { fades.push_back({seconds, float(volume)}); }
    void stop() override {}
    std::vector<std::pair<float, float>> fades;
};

class GameUpdate : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        updateStepObserver = [this](UpdateStep s) { steps.push_back(s); };
    }

    // A replay stream that throws at its end, as the session opens them.
    static std::istringstream replayBytes(const std::string& bytes)
    {
        std::istringstream in(bytes);
        in.exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
        return in;
    }

    std::vector<UpdateStep> steps;
};

using S = UpdateStep;

TEST_F(GameUpdate, StepsRunInTheirFixedOrderAndModeStepsOnlyInTheirModes)
{
    makeArena(6, 6);
    startGame();
    gameOptions.gameMode = GameMode::Everything;
    runFrames(1);
    EXPECT_EQ(steps, (std::vector<S>{S::Auction, S::Players, S::Flags, S::KingOfTheHill, S::Bombs,
                                     S::Explosions, S::PlayerDeaths, S::ShrinkingArena, S::AiSnakes,
                                     S::TeamElimination, S::RespawningWalls, S::Toasts,
                                     S::RoundEnd}));

    // King of the Hill scores once a second; the other mode steps wait for their modes.
    for (int mode : {GameMode::KingOfTheHill, GameMode::Classic}) {
        steps.clear();
        gameOptions.gameMode = mode;
        runFrames(1);
        EXPECT_EQ(steps, (std::vector<S>{S::Auction, S::Players, S::Bombs, S::Explosions, S::PlayerDeaths,
                                         S::ShrinkingArena, S::TeamElimination, S::RespawningWalls,
                                         S::Toasts, S::RoundEnd}));
    }
}

TEST_F(GameUpdate, TheEndByteStillRunsTheFrameButTheEndOfTheFileRunsNothing)
{
    makeArena(6, 6);
    auto ending = replayBytes("w");
    startGame(playingReplay(replayOutputVersion, &ending));
    runFrames(1);
    EXPECT_TRUE(replayEnded);
    EXPECT_TRUE(game->replayEndSeen);   // the rules read no more of it
    EXPECT_EQ(steps.back(), S::RoundEnd);

    auto empty = replayBytes("");
    startGame(playingReplay(replayOutputVersion, &empty));
    LogCapture log;
    replayEnded = false;
    steps.clear();
    game->roundEndTimer = 0;   // would report the round over if the frame ran
    runFrames(1);
    EXPECT_TRUE(replayEnded);
    EXPECT_TRUE(steps.empty());
    EXPECT_FALSE(roundOver);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"peek: ios_base failure", "EOF (peek replayEnd)"}));

    // A stream that reports its end instead of throwing ends the same way.
    std::istringstream quiet("");
    startGame(playingReplay(replayOutputVersion, &quiet));
    replayEnded = false;
    runFrames(1);
    EXPECT_TRUE(replayEnded && steps.empty());
}

TEST_F(GameUpdate, ReplayFailuresOtherThanItsEndAreNotSwallowed)
{
    makeArena(6, 6);
    startGame(playingReplay(replayOutputVersion, nullptr));
    EXPECT_THROW(runFrames(1), std::runtime_error);

    // A read error that is not the end of the file.
    struct FailingBuffer : std::streambuf {
        int_type underflow() override { throw std::ios_base::failure("read error"); }
    } buffer;
    std::istream broken(&buffer);
    broken.exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
    startGame(playingReplay(replayOutputVersion, &broken));
    EXPECT_THROW(runFrames(1), std::ios_base::failure);
    EXPECT_FALSE(replayEnded);
}

TEST_F(GameUpdate, AReplayEndingInsideThePlayerLoopSkipsTheLaterPlayers)
{
    makeArena(8, 6);
    auto first = addPlayer(0, {1, 1});
    auto second = addPlayer(1, {1, 3});
    controlsOf(second).hold(1, 0);
    // The first player's record is there; the second player's read runs
    // past the end of the replay.
    auto bytes = replayBytes(std::string("\0\0", 2));
    startGame(playingReplay(replayOutputVersion, &bytes));
    LogCapture log;
    runFrames(1);
    EXPECT_TRUE(replayEnded);
    EXPECT_EQ(second->x, 32);
    EXPECT_EQ(log.lines(), std::vector<std::string>{"EOF (p->update)"});
    EXPECT_EQ(steps.back(), S::RoundEnd);   // the rest of the frame still runs

    // Any other exception from a player's update is not swallowed.
    controlsOf(first).onRead = [] { throw 5; };
    startGame();
    EXPECT_THROW(runFrames(1), int);
}

TEST_F(GameUpdate, TheRoundEndsADelayAfterItsConditionFirstHolds)
{
    auto recorder = std::make_shared<FadeRecorder>();
    music = recorder;
    for (int multiplier : {1, 2}) {
        SCOPED_TRACE(multiplier);
        resetRoundState();
        makeArena(6, 6);
        gameOptions.updateRateMultiplier = multiplier;
        addPlayer(0, {1, 1});
        auto loser = addPlayer(1, {4, 4});
        startGame();
        roundOver = false;
        runFrames(10);
        EXPECT_EQ(game->roundEndTimer, -1);
        loser->dead = true;
        runFrames(1);
        // Coming back to life does not stop the count.
        loser->dead = false;
        runFrames(240 * multiplier - 1);
        EXPECT_FALSE(roundOver);
        runFrames(1);
        EXPECT_TRUE(roundOver);
    }
    EXPECT_EQ(recorder->fades, (std::vector<std::pair<float, float>>{{4.0f, 0.0f}, {4.0f, 0.0f}}));
}

TEST_F(GameUpdate, TheLiveGameIsKnownToAllWhileItLasts)
{
    makeArena(6, 6);
    auto p = addPlayer(0, {1, 1});
    gameOptions.resolvedAuctionInterval = 1200;
    gameOptions.resolvedRespawningWalls.enabled = true;
    gameOptions.resolvedRespawningWalls.interval = 10;
    LogCapture log;
    auto first = std::make_unique<Game>(false, PackagedReplayData{});
    EXPECT_EQ(log.lines(), std::vector<std::string>{"Auction interval: 1200"});
    EXPECT_EQ(first->wallRespawnTimer, 10);
    EXPECT_EQ(currentGame, first.get());
    EXPECT_EQ(p->game, first.get());

    // A second game (the join screen's preview, then a round) takes over.
    auto second = std::make_unique<Game>(false, PackagedReplayData{});
    first.reset();
    EXPECT_EQ(p->game, second.get());
    second.reset();
    EXPECT_EQ(currentGame, nullptr);
    EXPECT_EQ(p->game, nullptr);
}

}
