#include <gtest/gtest.h>

#include "frame/game_ids.h"
#include "game/flag.h"
#include "support/checks.h"
#include "player_update_fixture.h"

namespace {

// Capture the Flag on a 9 x 9 arena: team 0's base at (1, 4), team 1's at (7, 4).
class PlayerFlags : public PlayerUpdateTest {
protected:
    void SetUp() override
    {
        PlayerUpdateTest::SetUp();
        makeArena(9, 9);
        gameOptions.gameMode = GameMode::CaptureTheFlag;
        teams.emplace_back(Vector2{1, 4}, Vector2{1, 0});
        teams.emplace_back(Vector2{7, 4}, Vector2{-1, 0});
        p = addPlayer(0, {1, 4}, 0);
    }

    void start(const PackagedReplayData& replay = {})
    {
        Game& g = startGame(replay);
        g.flags.emplace_back(32, 128, 0, ALLEGRO_COLOR{1, 0, 0, 1});
        g.flags.emplace_back(224, 128, 1, ALLEGRO_COLOR{0, 0, 1, 1});
    }

    Flag& ownFlag() { return game->flags[0]; }
    Flag& enemyFlag() { return game->flags[1]; }

    // The enemy flag, carried by the player, who stands on its own base.
    void carryEnemyFlagHome()
    {
        enemyFlag().carrier = p;
        enemyFlag().inBase = false;
    }

    std::shared_ptr<Player> p;
};

TEST_F(PlayerFlags, AnEnemyFlagInReachIsPickedUpAndCarried)
{
    p->x = 214;
    start();
    runFrames(1);
    EXPECT_EQ(enemyFlag().carrier.lock(), p);
    EXPECT_FALSE(enemyFlag().inBase);
    controlsOf(p).hold(-1, 0);
    runFrames(3);
    EXPECT_EQ(enemyFlag().x, p->x);
    EXPECT_EQ(enemyFlag().y, 128);
    // A dead carrier drops it where it is.
    p->dead = true;
    runFrames(1);
    EXPECT_TRUE(enemyFlag().carrier.expired());
    EXPECT_FALSE(enemyFlag().inBase);
    p->dead = false;
    // 13 pixels away is out of reach.
    game->flags[1] = Flag(224, 128, 1, ALLEGRO_COLOR{0, 0, 1, 1});
    p->x = 211;
    controlsOf(p).hold(0, 0);
    runFrames(1);
    EXPECT_TRUE(enemyFlag().carrier.expired());
}

TEST_F(PlayerFlags, ACaptureScoresRecordsTheScoreAndSendsTheFlagHome)
{
    start(recordingContext());
    carryEnemyFlagHome();
    runFrames(1);
    EXPECT_EQ(teams[0].score, 1);
    EXPECT_EQ(teams[0].displayedScore, 1);
    EXPECT_TRUE(enemyFlag().inBase);
    EXPECT_TRUE(enemyFlag().carrier.expired());
    EXPECT_EQ(enemyFlag().x, 224);
    EXPECT_EQ(out.str(), std::string("\x00\x00\x01\x00\x00\x00", 6));
    EXPECT_EQ(verify.str(), "CTFSCORE\n0\n1\n0\n32\n128\n");

    // Played back, the score and the lines are read and compared.
    teams[0].score = teams[0].displayedScore = 0;
    start(playingContext(out.str(), replayOutputVersion, "CTFSCORE\n0\n1\n0\n32\n128\n"));
    carryEnemyFlagHome();
    EXPECT_NO_THROW(runFrames(1));
    EXPECT_EQ(teams[0].score, 1);

    // The Everything mode scores its own points.
    gameOptions.gameMode = GameMode::Everything;
    gameOptions.flagCapturePoints = 20;
    start();
    carryEnemyFlagHome();
    runFrames(1);
    EXPECT_EQ(teams[0].score, 21);
}

TEST_F(PlayerFlags, NoCaptureWhileTheOwnFlagIsAwayOrAnotherTeamSharesTheBase)
{
    start();
    carryEnemyFlagHome();
    ownFlag().inBase = false;
    ownFlag().x = 128;
    runFrames(1);
    EXPECT_EQ(teams[0].score, 0);
    EXPECT_EQ(enemyFlag().carrier.lock(), p);

    // With one neutral flag the own flag does not matter.
    gameOptions.ctfCentreFlag = true;
    runFrames(1);
    EXPECT_EQ(teams[0].score, 1);

    teams[1].home = teams[0].home;
    carryEnemyFlagHome();
    runFrames(1);
    EXPECT_EQ(teams[0].score, 1);
    // Replays before 0.96.6 still capture there.
    start(playingContext(std::string("\x00\x00\x02", 3), 0x60005));
    carryEnemyFlagHome();
    runFrames(1);
    EXPECT_EQ(teams[0].score, 2);
}

TEST_F(PlayerFlags, TheOwnFlagAwayFromBaseIsRecovered)
{
    p->x = 128;
    start();
    ownFlag().inBase = false;
    ownFlag().x = 130;
    runFrames(1);
    EXPECT_TRUE(ownFlag().inBase);
    EXPECT_EQ(ownFlag().x, 32);
    ASSERT_EQ(game->toasts.size(), 1u);
    EXPECT_EQ(game->toasts.front()->text, "Flag recovered");

    // Replays before version 7 pick up any flag.
    start(playingContext(std::string("\x00\x00", 2), 6));
    ownFlag().inBase = false;
    ownFlag().x = 130;
    runFrames(1);
    EXPECT_EQ(ownFlag().carrier.lock(), p);
}

TEST_F(PlayerFlags, ACarriedFlagInBaseFailsItsCheck)
{
    start();
    enemyFlag().carrier = p;
    EXPECT_EQ(thrownBy([&] { runFrames(1); }),
              "Assertion failed: '!(flag.inBase && !flag.carrier.expired())' at line 576\n");
}

TEST_F(PlayerFlags, APlayedCaptureChecksTheRecordedScoreByVersion)
{
    const std::string input("\x00\x00", 2);
    struct Case {
        std::string records;
        int version;
        const char* verifyText;
        std::string error;
    };
    const Case cases[] = {
        {input + std::string("\x05\x00\x00\x00", 4), replayOutputVersion, nullptr,
         "'score == teamObj.getScore()' at line 636\nreplayInput pos 6\n"},
        // One byte below 1.0.10; 1.0.9 to 1.0.11 do not compare.
        {input + "\x05", 0x1000008, nullptr, "'score == teamObj.getScore()' at line 636\nreplayInput pos 3\n"},
        {input + "\x05", 0x1000009, nullptr, ""},
        {input + std::string("\x05\x00\x00\x00", 4), 0x100000b, "CTFSCORE\n0\n5\n0\n32\n128\n", ""},
        {input + std::string("\x01\x00\x00\x00", 4), replayOutputVersion, "CTFSCORE\n0\n5\n",
         "'score == teamObj.getScore()' at line 647\nreplayInput pos 6\n"},
        {input + std::string("\x01\x00\x00\x00", 4), replayOutputVersion, "CTFSCORE\n1\n1\n",
         "'teamNum == team' at line 645\nreplayInput pos 6\n"},
        {input + std::string("\x01\x00\x00\x00", 4), replayOutputVersion, "0\n",
         "'txt == \"CTFSCORE\"' at line 644\nreplayInput pos 6\n"},
        // Version 1 has no score record.
        {input, 1, nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        teams[0].score = 0;
        start(playingContext(c.records, c.version, c.verifyText));
        carryEnemyFlagHome();
        const std::string thrown = thrownBy([&] { runFrames(1); });
        EXPECT_EQ(thrown, c.error.empty() ? "nothing thrown" : "Assertion failed: " + c.error);
    }
}

}
