#include <gtest/gtest.h>

#include <algorithm>

#include "frame/game_ids.h"
#include "game/ai_snake_search.h"
#include "game/round_state.h"
#include "session/session_players.h"
#include "support/replay_round_fixture.h"

namespace {

// A Snake Hunter round in which ten computer snakes spawn, search their ways
// on several threads and hunt two players among grid blocks, recorded through
// the players' own updates and played back, without a search, against its
// verify text.
class AiSnakeReplay : public ReplayRoundTest {
protected:
    // Every decision seems to take 4 ms, so the search keeps its depth however
    // busy the machine (or a sanitizer) makes it.
    static constexpr std::int64_t decisionNanoseconds = 4'000'000;

    void SetUp() override
    {
        ReplayRoundTest::SetUp();
        snakeSearchClock = [now = std::int64_t(0)]() mutable { return now += decisionNanoseconds; };
        roundOptions = [] {
            gameOptions.gameMode = GameMode::SnakeHunter;
            // The deepest search grid blocks allow: long enough decisions
            // share their work out among the search threads.
            gameOptions.resolvedGridBlocks = true;
            gameOptions.aiSearchDepth = 22;
            gameOptions.resolvedAISnakeCount = 10;
            gameOptions.resolvedMaxAISnakesAtOnce = 10;
            gameOptions.resolvedSnakePreparationTime = 1;
            gameOptions.resolvedSnakeSpawnInterval = 4;
        };
        arrangeRound = [](Game&) { formSnakeHunterTeams(); };
    }
    void TearDown() override
    {
        snakeSearchClock = steadyClockNanoseconds;
        ReplayRoundTest::TearDown();
    }
};

TEST_F(AiSnakeReplay, TenComputerSnakesRecordAndPlayBackWithTheirVerifyText)
{
    // The 39 x 23 arena with grid blocks.
    makeGridBlockArena(39, 23);
    auto left = addPlayer(0, {1, 1});
    auto right = addPlayer(1, {37, 21});
    startRecording(5);
    const int frames = 500;
    std::size_t mostPlayers = 0;
    for (int f = 0; f < frames && !roundOver; ++f) {
        // The hunters walk their corridors back and forth.
        controlsOf(left).hold((f / 120) % 2 ? -1 : 1, 0);
        controlsOf(right).hold(0, (f / 90) % 2 ? 1 : -1);
        runFrames(1);
        mostPlayers = std::max(mostPlayers, player.size());
    }
    finishRecording();
    ASSERT_EQ(mostPlayers, 12u) << "ten snakes at once";
    const int lastNumber = player.back()->num;
    EXPECT_EQ(lastNumber, 129);   // numbers past 128 keep their low byte
    const std::string verify = verifyText();
    EXPECT_NE(verify.find("\n129\n"), std::string::npos);

    Playback playback = playBack(replayBytes(), &verify, frames + 1);
    EXPECT_EQ(playback.error, "");
    EXPECT_TRUE(playback.ended);
    EXPECT_EQ(player.back()->num, lastNumber);
    EXPECT_EQ(game->aiSnakesToSpawn, 0);
}

}
