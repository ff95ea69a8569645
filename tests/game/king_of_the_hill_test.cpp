#include "frame/game_ids.h"
#include "support/round_fixture.h"

namespace {

class KingOfTheHill : public RoundTest {
protected:
    // Two teams; the hill covers cells (2, 2) to (3, 3). The scorer stands on
    // the hill's far corner; the others are on it but may not score, or off it.
    void SetUp() override
    {
        RoundTest::SetUp();
        makeArena(8, 8);
        gameOptions.gameMode = GameMode::KingOfTheHill;
        addTeam({1, 1});
        addTeam({6, 6});
        scorer = addPlayer(0, {3, 3}, 0);
        ghost = addPlayer(1, {2, 2}, 1);
        ghost->ghost = true;
        ghost->shieldTimer = 121;   // a ghost whose time has not begun to run out
        auto dead = addPlayer(2, {2, 3}, 1);
        dead->dead = true;
        dead->respawnTimer = 100000;
        addPlayer(3, {3, 2}, -1);
        addPlayer(4, {4, 3}, 1);
        startGame().hillArea = {2, 2, 3, 3};
        auto snake = addPlayer(120, {2, 2}, 1);
        snake->isAI = true;
    }

    std::shared_ptr<Player> scorer;
    std::shared_ptr<Player> ghost;
};

TEST_F(KingOfTheHill, ScoresOnceASecondAtSixtyUpdates)
{
    runFrames(1);
    EXPECT_EQ(teams[0].score, 1);
    EXPECT_EQ(scorer->trailTimer, 61);
    EXPECT_LT(ghost->trailTimer, 1);   // only counted down, never set
    runFrames(59);
    EXPECT_EQ(teams[0].score, 1);
    runFrames(1);   // frame 60
    EXPECT_EQ(teams[0].score, 2);
    runFrames(60);  // frame 120
    EXPECT_EQ(teams[0].score, 3);
    EXPECT_EQ(teams[1].score, 0);
}

TEST_F(KingOfTheHill, ScoresOnceASecondAtOneHundredAndTwentyUpdatesAndOnlyInTheHillModes)
{
    gameOptions.updateRate = 120;
    gameOptions.updateRateMultiplier = 2;
    runFrames(120);
    EXPECT_EQ(teams[0].score, 1);
    runFrames(1);   // frame 120
    EXPECT_EQ(teams[0].score, 2);

    gameOptions.gameMode = GameMode::Everything;
    gameOptions.everythingModes.kingOfTheHill = false;
    frameCounter = 0;
    runFrames(1);
    EXPECT_EQ(teams[0].score, 2);
    gameOptions.everythingModes.kingOfTheHill = true;
    frameCounter = 0;
    runFrames(1);
    EXPECT_EQ(teams[0].score, 3);
}

}
