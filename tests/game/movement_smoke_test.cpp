#include "support/round_fixture.h"

namespace {

using Movement = RoundTest;

TEST_F(Movement, APlayerWalksRightUntilTheWall)
{
    makeArena(7, 5);
    auto p = addPlayer(0, {1, 2});
    startGame();
    controlsOf(p).hold(1, 0);
    runFrames(200);
    EXPECT_EQ(p->x, 5 * 32);
    EXPECT_EQ(p->y, 2 * 32);
    EXPECT_EQ(p->facing, Facing::Right);
}

}
