#include <set>
#include <utility>

#include "frame/game_ids.h"
#include "support/round_fixture.h"

namespace {

class StartPositions : public RoundTest {
protected:
    void teamsOf(int count)
    {
        for (int i = 0; i < count; ++i)
            teams.emplace_back(Vector2{}, Vector2{});
    }
    // `perTeam` players in each team, numbered and listed team by team.
    void playersInTeams(const std::vector<int>& perTeam)
    {
        teamsOf(int(perTeam.size()));
        for (std::size_t t = 0; t < perTeam.size(); ++t)
            for (int i = 0; i < perTeam[t]; ++i)
                addPlayer(int(player.size()), {1, 1}, int(t));
    }
    static std::vector<Vector2> first(const std::vector<Vector2>& cells, std::size_t n)
    {
        return {cells.begin(), cells.begin() + std::ptrdiff_t(std::min(n, cells.size()))};
    }
    std::vector<Vector2> positions()
    {
        startGame();
        return game->getInitialPlayerPositions();
    }
    // Every player's cell lies inside the arena, off the walls, and no two
    // players share one.
    void expectDistinctFreeCells(const std::vector<Vector2>& cells)
    {
        std::set<std::pair<int, int>> seen;
        for (std::size_t i = 0; i < player.size(); ++i) {
            const Vector2 c = cells.at(i);
            EXPECT_TRUE(c.x >= 1 && c.x <= grid_squares_x - 2 && c.y >= 1 && c.y <= grid_squares_y - 2)
                << "player " << i << " at " << c;
            EXPECT_TRUE(seen.insert({c.x, c.y}).second) << "two players at " << c;
        }
    }
};

TEST_F(StartPositions, ClassicFacesOffInTheCornersAndFillsThePattern)
{
    makeArena(27, 15);
    gameOptions.resolvedArenaSize = 3;
    addPlayer(0, {1, 1});
    addPlayer(1, {1, 1});
    auto cells = positions();
    ASSERT_EQ(cells.size(), 17u);
    EXPECT_EQ(cells[0], Vector2(1, 1));
    EXPECT_EQ(cells[1], Vector2(25, 13));
    EXPECT_EQ(cells[4], Vector2(13, 7));
    EXPECT_EQ(cells[9], Vector2(13 - 4, 7 - 2));
    EXPECT_EQ(cells[16], Vector2(3, 13 - 2));
}

TEST_F(StartPositions, ThePlayerPastThePatternTakesTheFarthestFreeCell)
{
    makeArena(27, 15);
    gameOptions.resolvedArenaSize = 3;
    for (int i = 0; i < 18; ++i)
        addPlayer(i, {1, 1});
    auto cells = positions();
    ASSERT_EQ(cells.size(), 18u);
    expectDistinctFreeCells(cells);
    auto nearest = [&](Vector2 c) {
        int best = 1 << 30;
        for (int i = 0; i < 17; ++i) {
            int dx = cells[std::size_t(i)].x - c.x, dy = cells[std::size_t(i)].y - c.y;
            best = std::min(best, dx * dx + dy * dy);
        }
        return best;
    };
    for (int y = 1; y <= 13; ++y)
        for (int x = 1; x <= 25; ++x)
            EXPECT_LE(nearest({x, y}), nearest(cells[17])) << "cell " << Vector2(x, y);
}

TEST_F(StartPositions, BattleRoyaleGathersEachTeamAroundItsBase)
{
    makeArena(27, 15);
    gameOptions.gameMode = GameMode::BattleRoyale;
    playersInTeams({3, 2});
    auto cells = positions();
    EXPECT_EQ(first(cells, 5), (std::vector<Vector2>{{1, 1}, {3, 1}, {1, 3}, {25, 13}, {23, 13}}));
}

// Five or more members reach the offsets one cell out from the base; those
// past the arena's last row or column are skipped, on the right and bottom
// edges as on the left and top.
TEST_F(StartPositions, BattleRoyaleTeamsAtTheEdgesStayInsideTheWalls)
{
    makeArena(27, 15);
    gameOptions.gameMode = GameMode::BattleRoyale;
    playersInTeams({5, 5, 5, 5});
    auto cells = positions();
    ASSERT_EQ(cells.size(), 20u);
    expectDistinctFreeCells(cells);
    for (std::size_t i = 0; i < cells.size(); ++i)
        EXPECT_EQ(grid.at(cells[i]), Square::Empty) << "player " << i << " at " << cells[i];
    // Bases (1, 1), (25, 13), (1, 13) and (25, 1).
    EXPECT_EQ(cells, (std::vector<Vector2>{{1, 1},   {3, 1},   {1, 3},   {3, 3},   {2, 1},
                                           {25, 13}, {23, 13}, {25, 11}, {23, 11}, {24, 13},
                                           {1, 13},  {3, 13},  {1, 11},  {3, 11},  {2, 13},
                                           {25, 1},  {23, 1},  {25, 3},  {23, 3},  {24, 1}}));
}

TEST_F(StartPositions, TwoTeamsFillTheirEdgeColumnsFromBothEnds)
{
    makeArena(27, 13);
    gameOptions.gameMode = GameMode::CaptureTheFlag;
    teamsOf(2);
    // Listed alternately, as a quick start deals them.
    for (int i = 0; i < 6; ++i)
        addPlayer(i, {1, 1}, i % 2);
    EXPECT_EQ(first(positions(), 6), (std::vector<Vector2>{{1, 1}, {25, 11}, {1, 11}, {25, 1}, {1, 3}, {25, 9}}));
}

// The centre column belongs to neither team: width 27 reaches it exactly, and
// widths 25 and 45 would step past it into the other team's columns.
TEST_F(StartPositions, TwoTeamsNeverReachTheCentreColumn)
{
    struct Case {
        int w, h, perColumn, columns;
    };
    for (Case c : {Case{27, 13, 6, 6}, Case{25, 11, 5, 6}, Case{45, 19, 9, 11}}) {
        SCOPED_TRACE(c.w);
        resetRoundState();
        makeArena(c.w, c.h);
        gameOptions.gameMode = GameMode::KingOfTheHill;
        const int most = c.perColumn * c.columns;
        playersInTeams({most, most});
        auto cells = positions();
        expectDistinctFreeCells(cells);
        for (std::size_t i = 0; i < player.size(); ++i) {
            if (i < std::size_t(most))
                EXPECT_LT(cells[i].x, c.w / 2);
            else
                EXPECT_GT(cells[i].x, c.w / 2);
        }
        for (int t = 0; t < 2; ++t) {
            resetRoundState();
            makeArena(c.w, c.h);
            playersInTeams(t == 0 ? std::vector<int>{most + 1, 1} : std::vector<int>{1, most + 1});
            startGame();
            EXPECT_THROW(game->getInitialPlayerPositions(), Game::PlayerPositionSetupError);
        }
    }
}

TEST_F(StartPositions, ThreeOrFourTeamsSpreadFromTheMiddleOfTheirEdges)
{
    makeArena(27, 15);
    gameOptions.gameMode = GameMode::KingOfTheHill;
    playersInTeams({4, 1, 3, 1});
    auto cells = positions();
    // Left: the middle, two below, the mirror above; then the next column.
    EXPECT_EQ(first(cells, 9), (std::vector<Vector2>{
                                   {1, 7}, {1, 9}, {1, 5}, {3, 7}, {25, 7}, {13, 1}, {15, 1}, {11, 1}, {13, 13}}));
}

TEST_F(StartPositions, PlayersWithoutATeamAreSpreadOutAndCrowdsFailInsteadOfSharingACell)
{
    makeArena(27, 15);
    gameOptions.gameMode = GameMode::CaptureTheFlag;
    playersInTeams({2, 2});
    addPlayer(4, {1, 1}, -1);
    expectDistinctFreeCells(positions());

    struct Case {
        int mode, w, h;
        std::vector<int> perTeam;
        int numPlayers;
    };
    for (const Case& c : {Case{GameMode::BattleRoyale, 19, 11, {20, 1}, 0},   // no room round a base
                          Case{GameMode::Everything, 19, 11, {12, 12, 12}, 0},
                          Case{GameMode::CaptureTheFlag, 27, 15, {2, 2}, 3}}) {   // a member past the count
        SCOPED_TRACE(c.mode);
        resetRoundState();
        makeArena(c.w, c.h);
        gameOptions.gameMode = c.mode;
        playersInTeams(c.perTeam);
        if (c.numPlayers)
            gameOptions.numPlayers = c.numPlayers;
        startGame();
        EXPECT_THROW(game->getInitialPlayerPositions(), Game::PlayerPositionSetupError);
    }
}

}
