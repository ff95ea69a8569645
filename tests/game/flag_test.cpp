#include <stdexcept>

#include "frame/game_ids.h"
#include "game/flag.h"
#include "rules_scenario.h"

namespace {

class Flags : public RulesScenario {
protected:
    void SetUp() override
    {
        RulesScenario::SetUp();
        gameOptions.gameMode = GameMode::CaptureTheFlag;
    }

    Flag& addFlag(int x, int y, int team)
    {
        game->flags.emplace_back(x, y, team, ALLEGRO_COLOR{1, 0, 0, 1});
        return game->flags.back();
    }
    static Vector2 pos(const Flag& f) { return {f.x, f.y}; }
};

TEST_F(Flags, AFlagsHomeIsItsTeamsHomeOrTheCentreOfTheArenaAsItIsNow)
{
    makeArena(9, 7);
    teams.emplace_back(Vector2{1, 3}, Vector2{1, 0});
    Flag own(0, 0, 0, ALLEGRO_COLOR{1, 1, 1, 1});
    Flag neutral(0, 0, -1, ALLEGRO_COLOR{1, 1, 1, 1});
    EXPECT_EQ(own.homeSquare(), Vector2(1, 3));
    EXPECT_EQ(neutral.homeSquare(), Vector2(4, 3));
    makeArena(15, 11);
    EXPECT_EQ(neutral.homeSquare(), Vector2(7, 5));
    // A team past the team list is an error, not a read past its end.
    EXPECT_THROW(Flag(0, 0, 1, ALLEGRO_COLOR{1, 1, 1, 1}).homeSquare(), std::out_of_range);
}

TEST_F(Flags, ADroppedFlagSettlesOntoItsCellOnePixelPerAxisPerFrameUnlessCarried)
{
    makeArena(9, 7);
    auto carrier = addPlayer(0, {4, 3});
    startGame();
    Flag& flag = addFlag(70, 40, -1);
    runFrames(6);
    EXPECT_EQ(pos(flag), Vector2(64, 34));
    runFrames(2);
    EXPECT_EQ(pos(flag), Vector2(64, 32));
    runFrames(5);
    EXPECT_EQ(pos(flag), Vector2(64, 32));

    flag = Flag(70, 40, -1, ALLEGRO_COLOR{1, 0, 0, 1});
    flag.carrier = carrier;
    flag.inBase = false;
    for (int i = 0; i < 5; ++i)
        flag.update(*game);
    EXPECT_EQ(pos(flag), Vector2(70, 40));
    // Once its carrier has left the game it settles.
    player.clear();
    carrier.reset();
    flag.update(*game);
    EXPECT_EQ(flag.x, 69);

    // Flags of the oldest replays stay where they fall; from version 2 on they settle.
    game->replayData = replayOfVersion(1);
    flag.update(*game);
    EXPECT_EQ(flag.x, 69);
    game->replayData = replayOfVersion(2);
    flag.update(*game);
    EXPECT_EQ(flag.x, 68);
}

TEST_F(Flags, AFlagBuriedByAWallDriftsHomeUntilItIsFreeAndThenSettles)
{
    makeArena({"#########",
               "#.......#",
               "#.......#",
               "#..#....#",
               "#.......#",
               "#########"});
    teams.emplace_back(Vector2{1, 1}, Vector2{1, 0});
    startGame();
    // Buried at cell (3, 3): home is up and to the left.
    Flag& flag = addFlag(96, 96, 0);
    runFrames(16);
    EXPECT_EQ(pos(flag), Vector2(80, 80));
    // Its centre now lies on cell (2, 2), which is free.
    runFrames(26);
    EXPECT_EQ(pos(flag), Vector2(64, 64));
}

}
