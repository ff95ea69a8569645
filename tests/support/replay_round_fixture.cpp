#include "support/replay_round_fixture.h"

#include "frame/log.h"
#include "game/game_options.h"
#include "game/round_state.h"
#include "session/verify_text.h"
#include "support/allegro_environment.h"

void ReplayRoundTest::SetUp()
{
    // Colours read from a replay go through Allegro's colour mapping.
    ensureAllegroSystem();
    RoundTest::SetUp();
}

namespace {

// The computer-snake counters the session hands each round's Game.
void startSnakeCounters(Game& g)
{
    g.aiSpawnTimer = gameOptions.resolvedSnakePreparationTime;
    g.aiSnakesToSpawn = gameOptions.resolvedAISnakeCount;
}

}

Game& ReplayRoundTest::startRecording(int arenaSizeId)
{
    resolveReplayRoundOptions(arenaSizeId);
    if (roundOptions)
        roundOptions();
    recording = recordingContext(replayOut, &verifyOut);
    Game& g = startGame(recording);
    if (arrangeRound)
        arrangeRound(g);
    writeReplayStart(recording, g);
    startSnakeCounters(g);
    resetPlayersForRound();
    return g;
}

void ReplayRoundTest::finishRecording()
{
    writeReplayEnd(recording);
}

void ReplayRoundTest::loadReplay(const std::string& replay, const std::string* verify)
{
    game.reset();
    resetRoundState();
    gameOptions = GameOptions{};
    frameCounter = 0;
    roundOver = replayEnded = false;
    replayIn = std::make_unique<std::istringstream>(replay);
    replayIn->exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
    std::shared_ptr<std::istream> verifyIn;
    if (verify)
        verifyIn = std::make_shared<std::istringstream>(*verify);
    playing = loadReplayHeader(*replayIn, verifyIn);
    Game& g = startGame(playing);
    if (arrangeRound)
        arrangeRound(g);
    readRoundBlock(playing, g);
    g.shrinkTimer = gameOptions.resolvedTimeBeforeShrinking.value();
    startSnakeCounters(g);
    resetPlayersForRound();
}

ReplayRoundTest::Playback ReplayRoundTest::playBack(const std::string& replay,
                                                    const std::string* verify, int frameLimit)
{
    Playback result;
    try {
        loadReplay(replay, verify);
        while (!replayEnded && !roundOver && result.frames < frameLimit) {
            runFrames(1);
            ++result.frames;
        }
        result.ended = replayEnded || roundOver;
        // A replay cut short has no end to its verify text either.
        if (result.ended && verify && !replayIn->eof())
            checkVerifyTextEnd(playing);
    } catch (const std::exception& e) {
        result.ended = false;
        result.error = e.what();
    }
    return result;
}
