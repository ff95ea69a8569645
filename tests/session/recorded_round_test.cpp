#include <gtest/gtest.h>

#include "frame/assertion.h"
#include "game/round_state.h"
#include "support/replay_round_fixture.h"

namespace {

// Two players walk and lay bombs by a fixed script on the smallest arena size
// (19 x 11), with blocks and walls in their way.
class RecordedRound : public ReplayRoundTest {
protected:
    static constexpr int frames = 150;

    void makeRoundArena()
    {
        makeArena({
            "###################",
            "#.......B.........#",
            "#.W.W.W.W.W.W.W.W.#",
            "#....B............#",
            "#.W.W.W.W.W.W.W.W.#",
            "#.........T.......#",
            "#.W.W.W.W.W.W.W.W.#",
            "#.....B...........#",
            "#.W.W.W.W.W.W.W.W.#",
            "#.................#",
            "###################",
        });
    }

    // What each player holds in frame f: runs along the corridors, turns,
    // and drops a bomb now and then.
    static void script(ScriptedControls& c, int f, int seat)
    {
        c.releaseAll();
        const int leg = (f / 30 + seat) % 4;
        const int dirs[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
        c.hold(dirs[leg][0], dirs[leg][1]);
        c.fireDown = (f + 7 * seat) % 45 == 0;
        if (f % 50 == 10)
            c.upDown = true;   // two directions at once: the horizontal one wins
    }

    void recordRound()
    {
        makeRoundArena();
        auto a = addPlayer(0, {1, 1});
        auto b = addPlayer(1, {17, 9});
        startRecording(1);
        for (int f = 0; f < frames; ++f) {
            script(controlsOf(a), f, 0);
            script(controlsOf(b), f, 1);
            runFrames(1);
        }
        finishRecording();
        finalPositions = {a->x, a->y, b->x, b->y};
    }

    // Where the frame records start: after the header and the round block.
    std::size_t frameRecordsStart()
    {
        return std::size_t(replayBytes().size()) - std::size_t(frames) * 4 - 1;
    }

    std::vector<int> finalPositions;
};

TEST_F(RecordedRound, PlaysBackToTheSamePositionsAndItsVerifyTextToTheEnd)
{
    recordRound();
    const std::string bytes = replayBytes();
    const std::string verify = verifyText();
    ASSERT_EQ(bytes.back(), 'w');

    Playback playback = playBack(bytes, &verify);
    EXPECT_EQ(playback.error, "");
    EXPECT_TRUE(playback.ended);
    // The frame that meets the end byte runs too.
    EXPECT_EQ(playback.frames, frames + 1);
    ASSERT_EQ(player.size(), 2u);
    EXPECT_EQ((std::vector<int>{player[0]->x, player[0]->y, player[1]->x, player[1]->y}),
              finalPositions);
    // The players really went somewhere.
    EXPECT_NE(finalPositions[0], 32);
}

TEST_F(RecordedRound, RecordingTheSameRoundTwiceGivesTheSameBytes)
{
    recordRound();
    const std::string firstReplay = replayBytes();
    const std::string firstVerify = verifyText();
    TearDown();
    replayOut.str("");
    verifyOut.str("");
    SetUp();
    recordRound();
    EXPECT_EQ(replayBytes(), firstReplay);
    EXPECT_EQ(verifyText(), firstVerify);
}

// A frame record is the player number and the input byte, for each player.
TEST_F(RecordedRound, AChangedFrameRecordFailsItsCheckAtItsLineAndACutOneEndsQuietly)
{
    recordRound();
    const std::string verify = verifyText();
    const std::string bytes = replayBytes();
    // Frame 3, player 0 walks right (input 0x01); make it stand still.
    const std::size_t input = frameRecordsStart() + 3 * 4 + 1;
    ASSERT_EQ(bytes.substr(input - 1, 2), std::string("\x00\x01", 2));
    std::string changed = bytes;
    changed[input] = 0x00;
    EXPECT_EQ(playBack(changed, &verify).error,
              assertionText("verifyX == x", 911) + "replayInput pos " + std::to_string(input + 1) + "\n");

    const std::size_t number = frameRecordsStart() + 5 * 4 + 2;
    ASSERT_EQ(bytes[number], 1);
    changed = bytes;
    changed[number] = 0;
    EXPECT_EQ(playBack(changed, nullptr).error,
              assertionText("dummyCurPlayer == num", 373) + "replayInput pos " + std::to_string(number + 1) + "\n");

    // Cut after player 0's record of frame 20: the frame's reads meet the end of the file.
    Playback playback = playBack(bytes.substr(0, frameRecordsStart() + 20 * 4 + 2), nullptr);
    EXPECT_EQ(playback.error, "");
    EXPECT_TRUE(playback.ended);
    EXPECT_EQ(playback.frames, 21);
}

}
