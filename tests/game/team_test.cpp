#include "frame/game_ids.h"
#include "support/round_fixture.h"

namespace {

using Teams = RoundTest;

TEST_F(Teams, ATeamWithNoFreeMemberIsEliminatedInTheSameFrame)
{
    makeArena(8, 6);
    gameOptions.gameMode = GameMode::BattleRoyale;
    addTeam({1, 1});
    addTeam({6, 4});
    addTeam({3, 3});   // no members: skipped
    addTeam({4, 4});
    auto fallen = addPlayer(0, {1, 1}, 0);
    auto captive = addPlayer(1, {1, 2}, 0);
    auto waiting = addPlayer(2, {6, 4}, 1);
    auto free = addPlayer(3, {4, 4}, 3);
    fallen->dead = true;
    captive->held = true;
    waiting->held = true;
    waiting->holdTimer = 5;   // a hold that runs out by itself
    startGame();
    runFrames(1);
    EXPECT_TRUE(captive->dead);
    EXPECT_FALSE(waiting->dead);
    EXPECT_FALSE(free->dead);
    waiting->holdTimer = 0;
    runFrames(1);
    EXPECT_TRUE(waiting->dead);

    // Replays from before elimination keep their captives.
    captive->dead = false;
    startGame(playingReplay(0x5f001)).killTeamsWithNoFreeMember();
    EXPECT_FALSE(captive->dead);
    startGame(playingReplay(0x5f002)).killTeamsWithNoFreeMember();
    EXPECT_TRUE(captive->dead);
}

TEST_F(Teams, MembersComeAndGoInJoiningOrder)
{
    makeArena(6, 6);
    Team& team = addTeam({1, 1});
    auto a = addPlayer(0, {1, 1}, 0);
    auto b = addPlayer(1, {1, 2}, 0);
    auto c = addPlayer(2, {1, 3}, 0);
    team.removePlayer(addPlayer(3, {2, 3}));   // not a member
    team.removePlayer(nullptr);
    team.removePlayer(b);
    ASSERT_EQ(team.members.size(), 2u);
    EXPECT_EQ(team.members[0].lock(), a);
    EXPECT_EQ(team.members[1].lock(), c);
    // A player that goes takes its entry with it.
    player.erase(player.begin());
    a.reset();
    ASSERT_EQ(team.members.size(), 1u);
    EXPECT_EQ(team.members[0].lock(), c);
}

TEST_F(Teams, PointsShowAtOnceOrWhenTheirToastLands)
{
    makeArena(6, 6);
    addTeam({0, 0});
    auto scorer = addPlayer(0, {2, 2}, 0);
    Game& g = startGame();
    teams[0].addScoreNow(20);
    EXPECT_EQ(teams[0].displayedScore, 20);
    teams[0].addScore(3, g, scorer);
    EXPECT_EQ(teams[0].score, 23);
    EXPECT_EQ(teams[0].displayedScore, 20);
    ASSERT_EQ(g.toasts.size(), 1u);
    const Toast& toast = *g.toasts.front();
    EXPECT_EQ(toast.text, "3");
    for (int i = 0; i < 89; ++i)
        g.updateToasts();
    EXPECT_EQ(teams[0].displayedScore, 20);
    g.updateToasts();
    EXPECT_EQ(teams[0].displayedScore, 23);
    EXPECT_TRUE(g.toasts.empty());

    // Points still on their way when the round ends are shown all the same;
    // a toast for a team that is not there carries nothing.
    teams[0].addScore(4, g, scorer);
    g.addScoreToast(5, scorer, 3);
    EXPECT_EQ(g.toasts.size(), 1u);
    game.reset();
    EXPECT_EQ(teams[0].displayedScore, 27);
    startGame().addScoreToast(5, scorer, 0);
    teams.clear();
    EXPECT_NO_THROW(game.reset());
}

}
