#include <gtest/gtest.h>

#include "frame/assertion.h"
#include "frame/game_ids.h"
#include "game/round_state.h"
#include "support/replay_round_fixture.h"

namespace {

// A capture-the-flag round on the smallest arena, recorded through the
// players' own updates and played back against its verify text.
// - Player 1 lays a bomb, picks up a second one and lays that too; the first
//   bomb breaks a block and sets the second off, whose flames kill player 2,
//   who comes back where it started a second later.
// - Player 0 runs along the middle row for the other team's flag. On its way
//   home player 3 blocks the row with a bomb and steps aside; the carrier dies
//   at the bomb and drops the flag, which player 3 then returns to its base.
// - Player 0 comes back, fetches the flag again and captures it.
class BombAndFlagRound : public ReplayRoundTest, public ::testing::WithParamInterface<int> {
protected:
    const Vector2 baseOf[2] = {{1, 5}, {17, 5}};

    void SetUp() override
    {
        ReplayRoundTest::SetUp();
        roundOptions = [] {
            gameOptions.gameMode = GameMode::CaptureTheFlag;
            gameOptions.respawnTime = 1;
        };
        // The bases and flags the arena set-up gives each team.
        arrangeRound = [this](Game& g) {
            for (int t = 0; t < 2; ++t) {
                teams.at(std::size_t(t)).home = baseOf[t];
                g.flags.emplace_back(baseOf[t].x * 32, baseOf[t].y * 32, t, teams[std::size_t(t)].colour);
            }
        };
    }

    int m() const { return gameOptions.updateRateMultiplier; }

    void recordRound()
    {
        makeGridBlockArena(19, 11);
        grid.at(17, 3) = Square::Block;
        powerupGrid.at(16, 1) = PowerupType::Bomb;
        powerupGrid.at(17, 3) = PowerupType::Range;
        addTeam(baseOf[0]).colour = al_map_rgb(200, 40, 40);
        addTeam(baseOf[1]).colour = al_map_rgb(40, 40, 200);
        gameOptions.updateRate = GetParam();
        gameOptions.updateRateMultiplier = updateRateMultiplierFor(GetParam());
        runner = addPlayer(0, baseOf[0], 0);
        bomber = addPlayer(1, {17, 1}, 1);
        victim = addPlayer(2, {14, 1}, 0);
        guard = addPlayer(3, {9, 5}, 1);
        Game& g = startRecording(1);

        for (int f = 0; f < 3000 * m() && !capturedAt; ++f) {
            if (f > 0) {
                runnerScript(g);
                bomberScript(f);
                guardScript(g);
            }
            const int scoreBefore = teams[0].score;
            const std::size_t frameStart = replayOut.str().size();
            runFrames(1);
            if (teams[0].score != scoreBefore) {
                capturedAt = f;
                scoreRecord = frameStart + 2;   // after the runner's input record
            }
        }
        runFrames(30 * m());
        finishRecording();
    }

    // Out for the flag, and home once it is carried.
    void runnerScript(Game& g)
    {
        ScriptedControls& c = controlsOf(runner);
        c.releaseAll();
        c.hold(g.flags[1].carrier.expired() ? 1 : -1, 0);
    }

    // Left along the top row, laying bombs for a while.
    void bomberScript(int f)
    {
        ScriptedControls& c = controlsOf(bomber);
        c.releaseAll();
        if (bomber->x > 9 * 32)
            c.hold(-1, 0);
        c.fireDown = f < 20 * m();
    }

    // Waits in the middle row for the carrier, blocks its way with a bomb,
    // shelters round the corner, then goes for the dropped flag.
    void guardScript(Game& g)
    {
        ScriptedControls& c = controlsOf(guard);
        c.releaseAll();
        switch (guardStep) {
        case 0:
            if (!g.flags[1].carrier.expired() && runner->x < 15 * 32) {
                c.fireDown = true;
                ++guardStep;
            }
            break;
        case 1:   // up the side passage
            c.hold(0, -1);
            guardStep += guard->y <= 3 * 32;
            break;
        case 2:   // and round the corner, out of the flames' reach
            c.hold(-1, 0);
            guardStep += guard->x <= 7 * 32;
            break;
        case 3:
            guardStep += runner->dead && g.flames.empty();
            break;
        case 4:
            c.hold(1, 0);
            guardStep += guard->x >= 9 * 32;
            break;
        case 5:
            c.hold(0, 1);
            guardStep += guard->y >= 5 * 32;
            break;
        case 6:
            c.hold(1, 0);
            guardStep += g.flags[1].inBase;
            break;
        default:
            break;
        }
    }

    std::shared_ptr<Player> runner, bomber, victim, guard;
    int guardStep = 0;
    int capturedAt = 0;
    std::size_t scoreRecord = 0;
};

TEST_P(BombAndFlagRound, BombsFlamesKillsAndACaptureReplayAsRecorded)
{
    recordRound();
    ASSERT_GT(capturedAt, 0) << "the flag was never brought home";
    const std::string bytes = replayBytes();
    const std::string verify = verifyText();
    // The capture's score record and its verify lines.
    EXPECT_EQ(bytes.substr(scoreRecord, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_NE(verify.find("CTFSCORE\n0\n1\n"), std::string::npos);
    EXPECT_EQ(bomber->kills, 1);
    EXPECT_EQ(guard->kills, 1);
    EXPECT_EQ(guardStep, 7) << "the dropped flag was never returned";

    Playback playback = playBack(bytes, &verify);
    ASSERT_EQ(playback.error, "");
    EXPECT_TRUE(playback.ended);
    ASSERT_EQ(player.size(), 4u);
    ASSERT_EQ(teams.size(), 2u);
    EXPECT_EQ(teams[0].score, 1);
    EXPECT_EQ(teams[1].score, 0);
    EXPECT_EQ(player[1]->kills, 1);
    EXPECT_EQ(player[3]->kills, 1);
    // The flag went back to its base; the victim is back where it started.
    EXPECT_TRUE(game->flags[1].inBase);
    EXPECT_EQ(game->flags[1].x, 17 * 32);
    EXPECT_FALSE(player[2]->dead);
    EXPECT_EQ(player[2]->x, 14 * 32);
    EXPECT_EQ(player[2]->y, 32);
    // The first bomb broke the block below it and left its powerup lying; the
    // second bomb came from the pickup.
    EXPECT_EQ(grid.at(17, 3), Square::Empty);
    EXPECT_EQ(powerupGrid.at(17, 3), PowerupType::Range);
    EXPECT_EQ(powerupGrid.at(16, 1), 0);
    EXPECT_EQ(player[1]->bombCapacity, 2);
    EXPECT_EQ(player[1]->bombsOut, 0);

    // A changed capture score fails its check.
    std::string changed = bytes;
    changed[scoreRecord] = 2;
    EXPECT_EQ(playBack(changed, &verify).error, assertionText("score == teamObj.getScore()", 636) + "replayInput pos " +
                                  std::to_string(scoreRecord + 4) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Rates, BombAndFlagRound, ::testing::Values(60, 144));

}
