#include <array>

#include "frame/game_ids.h"
#include "support/round_fixture.h"

namespace {

class RoundResults : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        makeArena(11, 9);
    }
    void teamsWithScores(const std::vector<int>& scores)
    {
        for (int s : scores) {
            teams.emplace_back(Vector2{}, Vector2{});
            teams.back().score = s;
        }
    }
    template <class T>
    std::unordered_set<T*> winners()
    {
        if (!game)
            startGame();
        return std::get<std::unordered_set<T*>>(game->getRoundWinners());
    }
    std::unordered_set<Team*> winningTeams() { return winners<Team>(); }
    std::unordered_set<Player*> winningPlayers() { return winners<Player>(); }
    // Awards the round and returns the table and the winner count.
    std::pair<std::vector<ScoringEntity>, int> award()
    {
        std::vector<ScoringEntity> results;
        int winners = 0;
        std::visit(RoundWinAwarder{&winners, &results}, game->getRoundWinners());
        return {results, winners};
    }
};

TEST_F(RoundResults, TeamModesRewardTheBestScoreOfAtLeastOne)
{
    gameOptions.gameMode = GameMode::CaptureTheFlag;
    teamsWithScores({0, 0});
    EXPECT_TRUE(winningTeams().empty());
    EXPECT_EQ(award().second, 0);

    resetRoundState();
    gameOptions.gameMode = GameMode::KingOfTheHill;
    teamsWithScores({3, 1, 3});
    teams[0].roundWins = 2;
    auto p = addPlayer(0, {1, 1}, 0);
    startGame();
    EXPECT_EQ(winningTeams(), (std::unordered_set<Team*>{&teams[0], &teams[2]}));
    auto [table, winners] = award();
    EXPECT_EQ(winners, 2);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].previousWins, 2);
    EXPECT_EQ(table[0].wins, 3);
    EXPECT_EQ(table[1].wins, 0);
    EXPECT_EQ(table[2].wins, 1);
    ASSERT_EQ(table[0].players.size(), 1u);
    EXPECT_EQ(table[0].players[0], p);
    EXPECT_TRUE(table[0].teamColour.has_value());

    // A later higher score replaces the earlier leaders.
    gameOptions.gameMode = GameMode::Everything;
    teams[1].score = 4;
    EXPECT_EQ(winningTeams(), (std::unordered_set<Team*>{&teams[1]}));
}

TEST_F(RoundResults, EverythingCountsKillPointsAsTheScoreDisplayDoes)
{
    gameOptions.gameMode = GameMode::Everything;
    gameOptions.everythingModes.respawning = true;
    teamsWithScores({1, 0, 2});
    auto a = addPlayer(0, {1, 1}, 0);
    auto b = addPlayer(1, {2, 1}, 1);
    auto c = addPlayer(2, {3, 1}, 2);
    startGame();
    // Team 0 captured once; team 1 only killed, twice; team 2 captured twice
    // and lost as much by killing its own.
    b->awardKillScore(a, false);
    b->awardKillScore(c, false);
    c->awardKillScore(c, false);
    c->awardKillScore(c, false);
    EXPECT_EQ((std::array{teams[0].roundScore(), teams[1].roundScore(), teams[2].roundScore()}),
              (std::array{1, 2, 0}));
    EXPECT_EQ(teams[1].getScore(), 0) << "the captured score alone goes to the replay";
    EXPECT_EQ(winningTeams(), (std::unordered_set<Team*>{&teams[1]}));
    // Once the toasts have landed every display shows the number that decided.
    game->toasts.clear();
    for (const Team& team : teams)
        EXPECT_EQ(team.displayedScore, team.roundScore() - team.getScore());

    // Kill points tie with a capture: both teams win.
    a->awardKillScore(b, false);
    EXPECT_EQ(winningTeams(), (std::unordered_set<Team*>{&teams[0], &teams[1]}));
}

TEST_F(RoundResults, BattleRoyaleGoesToTheFirstTeamWithAFreeMember)
{
    gameOptions.gameMode = GameMode::BattleRoyale;
    teamsWithScores({0, 0, 0});
    addPlayer(0, {1, 1}, 0)->dead = true;
    addPlayer(1, {2, 1}, 1)->held = true;
    addPlayer(2, {3, 1}, 2);
    addPlayer(3, {4, 1}, 1);
    EXPECT_EQ(winningTeams(), (std::unordered_set<Team*>{&teams[1]}));
    player[3]->dead = true;
    EXPECT_EQ(winningTeams(), (std::unordered_set<Team*>{&teams[2]}));
}

TEST_F(RoundResults, SnakeHunterGoesToTheSnakesUntilNoneIsLeft)
{
    gameOptions.gameMode = GameMode::SnakeHunter;
    teamsWithScores({0, 0});
    startGame();
    game->aiSnakesToSpawn = 2;
    EXPECT_EQ(winningTeams(), (std::unordered_set<Team*>{&teams[1]}));
    game->aiSnakesToSpawn = 0;
    auto snake = addPlayer(120, {3, 3}, 1);
    snake->isAI = true;
    EXPECT_EQ(winningTeams(), (std::unordered_set<Team*>{&teams[1]}));
    snake->dead = true;
    EXPECT_EQ(winningTeams(), (std::unordered_set<Team*>{&teams[0]}));
}

TEST_F(RoundResults, DeathmatchRewardsTheTopKillersUnlessAllTie)
{
    gameOptions.gameMode = GameMode::Deathmatch;
    auto a = addPlayer(0, {1, 1});
    auto b = addPlayer(1, {2, 1});
    auto c = addPlayer(2, {3, 1});
    a->kills = 2;
    b->kills = 1;
    c->kills = 2;
    EXPECT_EQ(winningPlayers(), (std::unordered_set<Player*>{a.get(), c.get()}));
    b->kills = 2;
    EXPECT_TRUE(winningPlayers().empty());
}

TEST_F(RoundResults, ClassicRewardsEverySurvivorInPlayerOrder)
{
    auto a = addPlayer(0, {1, 1});
    auto b = addPlayer(1, {2, 1});
    auto c = addPlayer(2, {3, 1});
    b->dead = true;
    b->roundWins = 4;
    startGame();
    EXPECT_EQ(winningPlayers(), (std::unordered_set<Player*>{a.get(), c.get()}));
    auto [table, winners] = award();
    EXPECT_EQ(winners, 2);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[1].players, std::vector<std::shared_ptr<Player>>{b});
    EXPECT_EQ(table[1].previousWins, 4);
    EXPECT_EQ(table[1].wins, 4);
    EXPECT_EQ(table[2].wins, 1);
    EXPECT_FALSE(table[0].teamColour.has_value());

    a->dead = c->dead = true;
    EXPECT_TRUE(winningPlayers().empty());
}

}
