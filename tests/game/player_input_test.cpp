#include <gtest/gtest.h>

#include "frame/settings.h"
#include "game/auto_random_input.h"
#include "game/replay_records.h"
#include "support/checks.h"
#include "failed_record_check.h"
#include "player_update_fixture.h"

namespace {

using PlayerInput = PlayerUpdateTest;

TEST_F(PlayerInput, BothDirectionsAreRecordedButTheHorizontalOneIsWalked)
{
    makeArena(7, 7);
    auto p = addPlayer(4, {3, 3});
    startGame(recordingContext());
    controlsOf(p).leftDown = true;
    controlsOf(p).upDown = true;
    controlsOf(p).fireDown = true;
    controlsOf(p).button2Down = true;
    runFrames(1);
    EXPECT_EQ(out.str(), std::string("\x04\x3F", 2));
    EXPECT_LT(p->x, 96);
    EXPECT_EQ(p->y, 96);
    EXPECT_EQ(verify.str(), "4\n" + std::to_string(p->x) + "\n96\n");
}

TEST_F(PlayerInput, AComputerSnakeIsRecordedAtTheEndOfItsUpdateByItsLowByte)
{
    makeArena(9, 9);
    auto human = addPlayer(0, {1, 1});
    auto snake = addPlayer(130, {4, 4});
    auto later = addPlayer(300, {6, 6});
    for (const auto& s : {snake, later}) {
        s->isAI = true;
        s->snakeLength = 4;
    }
    human->dead = true;
    startGame(recordingContext());
    runFrames(2);
    // No record and no verify lines for the dead player; the snakes' numbers are 0x82 and 0x2C.
    // On its cell line a snake records the way its search chose; a step later,
    // between lines, it chooses nothing and is recorded standing at the end.
    const std::string bytes = out.str();
    ASSERT_EQ(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(0, 1) + bytes.substr(2, 1), "\x82\x2c");
    EXPECT_EQ(bytes.substr(4, 1) + bytes.substr(6, 1), "\x82\x2c");
    EXPECT_NE(bytes[1], 0);
    EXPECT_NE(bytes[3], 0);
    EXPECT_EQ(bytes[5], 0);
    EXPECT_EQ(bytes[7], 0);
    EXPECT_EQ(verify.str().substr(0, 4), "130\n");

    // Played back, the byte matches the snake's number.
    startGame(playingContext(out.str()));
    EXPECT_NO_THROW(runFrames(2));
    EXPECT_FALSE(replayEnded);
}

TEST_F(PlayerInput, RandomInputWalksOneWayAtATimeAndSkipsNumbersOutsideItsTable)
{
    makeArena(9, 9);
    auto inTable = addPlayer(5, {4, 4});
    auto outside = addPlayer(150, {2, 2});
    startGame(recordingContext());
    autoRandomControls = true;
    controlsOf(outside).hold(1, 0);
    runFrames(1);
    autoRandomControls = false;
    const std::string bytes = out.str();
    ASSERT_EQ(bytes.size(), 4u);
    const InputRecord walked = decodeInputByte(static_cast<unsigned char>(bytes[1]), true);
    EXPECT_EQ(std::abs(walked.xDir) + std::abs(walked.yDir), 1);
    // Number 150 has no entry: it stands still, whatever its controls hold.
    EXPECT_EQ(bytes[3], 0);
    EXPECT_EQ(outside->x, 64);
}

TEST_F(PlayerInput, TheEndByteInPlaceOfAPlayerEndsTheRound)
{
    makeArena(7, 7);
    auto p = addPlayer(0, {3, 3});
    startGame(playingContext("w"));
    EXPECT_THROW(update(p), int);
    startGame(playingContext(std::string("\x00\x01w", 3)));
    runFrames(2);
    EXPECT_TRUE(replayEnded);
    EXPECT_GT(p->x, 96);
}

TEST_F(PlayerInput, BadRecordsAndVerifyLinesFailTheirChecks)
{
    makeArena(7, 7);
    auto p = addPlayer(1, {3, 3});
    const std::string still("\x01\x00", 2);
    struct Case {
        std::string records;
        const char* verifyText;
        std::string text;
    };
    const Case cases[] = {
        {std::string("\x03\x00", 2), nullptr, "dummyCurPlayer == num' at line 373\nreplayInput pos 1"},
        {std::string("\x01\x02", 2), nullptr, "abs(xDir) < 2' at line 379\nreplayInput pos 2"},
        {std::string("\x01\x08", 2), nullptr, "abs(yDir) < 2' at line 383\nreplayInput pos 2"},
        {still, "1\n96\n96\n", ""},
        {still, "", "replayData.inputVerify->good()' at line 907\nreplayInput pos 2"},
        {still, "2\n96\n96\n", "verifyPlayer == num' at line 908\nreplayInput pos 2"},
        {still, "1\n97\n96\n", "verifyX == x' at line 911\nreplayInput pos 2"},
        {still, "1\n96\n95\n", "verifyY == y' at line 914\nreplayInput pos 2"},
    };
    for (const Case& c : cases) {
        startGame(playingContext(c.records, replayOutputVersion, c.verifyText));
        // A bad record is a damaged file, a verify line that disagrees a failed
        // check of the rules; either is logged as it is raised.
        const auto failedCheckOf = c.verifyText ? failedReplayCheckOf : failedRecordCheckOf;
        EXPECT_EQ(failedCheckOf([&] { update(p); }),
                  c.text.empty() ? "nothing thrown" : "Assertion failed: '" + c.text + "\n");
    }

    // Dead players have records and verify lines only before 0.95.10.
    p->dead = true;
    startGame(playingContext("", 0x5f00a, ""));
    EXPECT_NO_THROW(update(p));
    startGame(playingContext(still, 0x5f009, "1\n96\n96\n"));
    update(p);
    EXPECT_EQ(in->tellg(), 2);
}

TEST_F(PlayerInput, ASnakesVerifyLineHoldsItsLengthAndBody)
{
    // A snake that came down two cells and faces a wall: it stays where it is.
    makeArena({"#########",
               "#.......#",
               "#.......#",
               "#.......#",
               "#.......#",
               "#...W...#",
               "#########"});
    auto p = addPlayer(3, {4, 4});
    p->snakeLength = 2;
    p->facing = Facing::Down;
    for (int y = 64; y <= 128; ++y)
        p->headTrail.push_back({128, y});
    startGame(recordingContext());
    update(p);
    EXPECT_EQ(verify.str(), "3\n128\n128\n2 128 112 128 96\n");

    const std::string record("\x03\x00", 2);
    for (auto [line, failed] : {std::pair{"3 128 112 128 96", "snakeLength == verifyLength' at line 920"},
                                {"2 128 112 129 96", "verifyX == get<0>(part)' at line 925"},
                                {"2 128 112 128 95", "verifyY == get<1>(part)' at line 928"}}) {
        const std::string verifyText = std::string("3\n128\n128\n") + line + "\n";
        startGame(playingContext(record, replayOutputVersion, verifyText.c_str()));
        EXPECT_EQ(thrownBy([&] { update(p); }),
                  std::string("Assertion failed: '") + failed + "\nreplayInput pos 2\n");
    }
    // Before 0.95.4 the verify text has no snake line.
    startGame(playingContext(record, 0x5f003, "3\n128\n128\n"));
    EXPECT_NO_THROW(update(p));
}

}
