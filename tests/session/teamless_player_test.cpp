// A player that no team holds, as replays of old versions give them: every
// team mode plays such a player safely, recorded and replayed alike (the
// sanitizer builds run this too).
#include <gtest/gtest.h>

#include <cstdlib>

#include "frame/game_ids.h"
#include "frame/settings.h"
#include "game/ai_snake_search.h"
#include "game/auto_random_input.h"
#include "game/player.h"
#include "game/team.h"
#include "session/game_session.h"
#include "support/temp_folder.h"
#include "session_fixture.h"

namespace {

class TeamlessPlayer : public Session, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        Session::SetUp();
        // Every computer-snake decision seems to take 4 ms, whatever the machine.
        snakeSearchClock = [now = std::int64_t(0)]() mutable { return now += 4'000'000; };
    }
    void TearDown() override
    {
        autoRandomControls = false;
        snakeSearchClock = steadyClockNanoseconds;
        Session::TearDown();
    }
};

TEST_P(TeamlessPlayer, PlaysInEveryTeamModeRecordedAndReplayed)
{
    TempDataHome home;
    gameOptions.gameMode = GetParam();
    gameOptions.quickStartPlayers = 4;
    autoRandomControls = true;
    autoRandomInputTable = {};
    std::srand(unsigned(GetParam()));
    advanceLimit = 1200;

    RoundOutcome round;
    {
        GameSession session(true, "", {true, true});
        ASSERT_TRUE(session.start());
        const std::shared_ptr<Player> lone = player.back();
        ASSERT_NE(teamAt(lone->team), nullptr);
        teamAt(lone->team)->removePlayer(lone);
        lone->team = -1;
        round = session.playRound();
        session.end();
    }
    autoRandomControls = false;
    advanceLimit = 0;
    ASSERT_TRUE(round.replaySaved);
    EXPECT_GT(round.frames, 300);

    GameSession session(false, round.replayPath, {true, true});
    ASSERT_TRUE(session.start());
    ASSERT_EQ(player.size(), 5u);
    EXPECT_EQ(player.back()->team, -1);
    EXPECT_FALSE(session.playingUnchecked());
    RoundOutcome played;
    EXPECT_NO_THROW(played = session.playRound());
    // A stopped round ends on its end byte, read one frame later.
    EXPECT_GE(played.frames, round.frames);
    session.end();
}

INSTANTIATE_TEST_SUITE_P(TeamModes, TeamlessPlayer,
                         ::testing::Values(GameMode::CaptureTheFlag, GameMode::BattleRoyale, GameMode::KingOfTheHill,
                                           GameMode::Everything));

}
