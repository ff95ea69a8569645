#include <gtest/gtest.h>

#include "game/round_state.h"
#include "media/colour.h"
#include "session/replay_header.h"
#include "support/checks.h"
#include "support/replay_round_fixture.h"
#include "replay_fixtures.h"

namespace {

// The values of the options that every version holds, from the player count
// to the rocket delay (rows 3 to 9), then row 10 (startAsSnake) when given.
ReplayBytes commonRows(int players, std::optional<bool> startAsSnake)
{
    ReplayBytes b;
    b.i8(players).i8(19).i8(11);
    b.flag(false).i8(3).i8(9);
    b.flag(true).flag(false).flag(false);
    if (startAsSnake)
        b.flag(*startAsSnake);
    return b;
}

// Files of older versions, each assembled from the layout tables as that
// version wrote them, read with the values and defaults of their time.
class ReplayVersions : public ReplayRoundTest {
protected:
    // The defaults every file below 1.0.9 reads for the Everything switches
    // and points, and below 0.97.6 for the snakes' length and stun times.
    static void expectEverythingDefaults()
    {
        const EverythingModes& e = gameOptions.everythingModes;
        EXPECT_FALSE(e.ctf || e.battleRoyale || e.kingOfTheHill || e.snakeHunter || e.respawning);
        const GameOptions& o = gameOptions;
        EXPECT_EQ((std::vector{o.killPoints, o.aiSnakeHurtPoints, o.aiSnakeKillPoints, o.flagCapturePoints}),
                  (std::vector{1, 1, 1, 1}));
    }

    static void expectLateDefaults()
    {
        const GameOptions& o = gameOptions;
        EXPECT_EQ((std::vector{o.aiSnakeStartLength, o.majorStunTime, o.minorStunTime, o.updateRateMultiplier}),
                  (std::vector{4, 180, 180, 1}));
        EXPECT_EQ(o.resolvedAuctionInterval, 0);
    }
};

TEST_F(ReplayVersions, Version4HasTeamsInEveryModeAndOnlyAGrid)
{
    ReplayBytes b;
    b.i32(4).append(commonRows(2, std::nullopt));
    b.i8(16).i32(2160).i8(0);                  // shrink speed, time before shrinking, Classic
    b.i8(13);                                  // proximity radius
    b.i8(2).i32(0).i32(0);                     // two teams, colours not stored
    b.i8(1).i8(0);                             // each player's team
    b.text("***").append(roundBlock(RoundBlock::GridOnly));
    loadReplay(b.str());

    const GameOptions& o = gameOptions;
    EXPECT_EQ((std::vector{o.updateRate, o.maxPlayerSpeed, *o.resolvedShrinkStyle, *o.resolvedTimeBeforeShrinking,
                           o.resolvedAISnakeCount, o.aiSnakeSpeed, o.respawnTime}),
              (std::vector{60, 8, 1, 2160, -999, 3, 10}));
    // ctfCentreFlag, startAsSnake, aiSnakesRespawnPlayers, bombPickupEndsRemote, respawning walls, stun
    EXPECT_EQ(bits({o.ctfCentreFlag, o.startAsSnake, o.aiSnakesRespawnPlayers, o.bombPickupEndsRemote,
                    o.resolvedRespawningWalls.enabled, o.aiSnakeStun}),
              "100000");
    expectEverythingDefaults();
    expectLateDefaults();
    ASSERT_EQ(teams.size(), 2u);
    ASSERT_EQ(player.size(), 2u);
    EXPECT_EQ(player[1]->num, 1);
    EXPECT_LE(player[0]->look.head, 10);
    // Classic: the team bytes fill the teams but give the players no team.
    EXPECT_EQ(player[0]->team, -1);
    EXPECT_TRUE(game->shrinkAllowed);
    EXPECT_EQ(grid.at(3, 2), Square::Block);
    EXPECT_EQ(player[1]->x, 0);
}

TEST_F(ReplayVersions, Version5ReadsTeamBytesAndStartPositions)
{
    ReplayBytes b;
    b.i32(5).append(commonRows(3, std::nullopt));
    b.i8(16).i8(2).i8(13);                     // shrink speed, Battle Royale, radius
    b.i8(2).i32(0).i32(0);
    b.i8(0).i8(1).i8(0);
    b.text("***").append(roundBlock(RoundBlock::WithTime, 3));
    loadReplay(b.str());

    EXPECT_EQ(gameOptions.resolvedTimeBeforeShrinking, 5400);
    ASSERT_EQ(player.size(), 3u);
    EXPECT_EQ((std::vector{player[0]->team, player[1]->team, player[2]->team}), (std::vector{0, 1, 0}));
    EXPECT_EQ(teams[0].members.size(), 2u);
    EXPECT_EQ(player[2]->y, 288);
}

TEST_F(ReplayVersions, Version8ListsTeamMembersAndIgnoresStoredColours)
{
    ReplayBytes b;
    b.i32(8).append(commonRows(2, std::nullopt));
    b.i8(16).i8(3).flag(false).i8(13);         // King of the Hill, one flag per team
    b.i8(2);
    b.i32(0).i32(1).i32(1);                    // team 0: player 1
    b.i32(0).i32(1).i32(0);                    // team 1: player 0
    b.i32(0).i32(0);                           // the players' ignored colours
    b.text("***").append(roundBlock(RoundBlock::WithTime));
    loadReplay(b.str());

    EXPECT_FALSE(gameOptions.ctfCentreFlag);
    EXPECT_EQ(player[0]->team, 1);
    EXPECT_EQ(player[1]->team, 0);
    EXPECT_EQ(player[1]->num, 1);
    EXPECT_EQ(gameOptions.resolvedShrinkStyle, 1);
}

// Up to 0.95.5 the players are numbered by their place in the file while the
// teams list the numbers the players joined with, which may name nobody: such
// a member is passed over, its player plays without a team, and the file plays.
TEST_F(ReplayVersions, MembersNumberedUnlikeThePlayersOfOldFilesArePassedOver)
{
    for (int version : {8, 0x5f005}) {
        SCOPED_TRACE(version);
        ReplayBytes b;
        b.i32(version).append(commonRows(2, version >= 10 ? std::optional(false) : std::nullopt));
        b.i8(16).i8(1).flag(false);            // Capture the Flag, one flag per team
        b.i8(13).i8(2);
        b.i32(0).i32(1).i32(1);                // team 0: the player that joined as 1
        b.i32(0).i32(1).i32(4);                // team 1: the player that joined as 4
        b.i32(0).i32(0);                       // the players' colours, not yet kept
        b.text("***").append(roundBlock(RoundBlock::WithTime));
        // Two frames of both players walking, then the end byte.
        for (int frame = 0; frame < 2; ++frame)
            b.i8(0).i8(0x01).i8(1).i8(0x03);
        b.i8(119);
        ASSERT_NO_THROW(loadReplay(b.str()));
        EXPECT_EQ((std::vector{player[0]->num, player[0]->team, player[1]->num, player[1]->team}),
                  (std::vector{0, -1, 1, 0}));
        EXPECT_TRUE(teams[1].members.empty());

        const Playback playback = playBack(b.str(), nullptr);
        EXPECT_EQ(playback.error, "");
        EXPECT_TRUE(playback.ended);
        EXPECT_EQ(playback.frames, 3);
    }
}

// The startAsSnake switch comes with version 10: a version-9 file goes on with
// the shrink speed where a version-10 file holds the switch.
TEST_F(ReplayVersions, Version10AddsTheStartAsSnakeSwitch)
{
    for (int version : {9, 10}) {
        SCOPED_TRACE(version);
        ReplayBytes b;
        b.i32(version).append(commonRows(2, version >= 10 ? std::optional(true) : std::nullopt));
        b.i8(16).i8(1).flag(false);                // shrink speed, Capture the Flag, one flag per team
        std::istringstream in(b.str());
        int read = 0;
        const std::optional<ReplayHeaderOptions> header = deserialiseOptions(in, read);
        ASSERT_TRUE(header);
        EXPECT_EQ(header->options.startAsSnake, version >= 10);
        EXPECT_EQ(header->options.resolvedShrinkSpeed, 16);
        EXPECT_EQ(header->options.gameMode, 1);
        EXPECT_FALSE(header->options.ctfCentreFlag);
        EXPECT_EQ(in.tellg(), std::streamoff(b.size()));
    }
}

TEST_F(ReplayVersions, Version0_95_13AddsSnakeTimesThePlayerRecordAndTheRoundSettings)
{
    ReplayBytes b;
    b.i32(0x5f00d).append(commonRows(2, true));
    b.i8(16).i8(4).flag(false);                // Snake Hunter
    b.i32(5).i32(1).i32(200).i32(301).text("@@@");
    b.i8(13);                                  // no teams outside the team modes
    b.i32(3).i32(4).i32(0).colour(1, 2, 3);
    b.i32(8).i32(5).i32(0).colour(4, 5, 6);
    b.text("***").append(roundBlock(RoundBlock::Current));
    loadReplay(b.str());

    EXPECT_TRUE(gameOptions.startAsSnake);
    EXPECT_FALSE(gameOptions.startWithShield);
    EXPECT_EQ(gameOptions.maxPlayerSpeed, 8);
    EXPECT_EQ(gameOptions.resolvedAISnakeCount, 5);
    EXPECT_EQ(gameOptions.resolvedSnakeSpawnInterval, 301);
    EXPECT_FALSE(gameOptions.aiSnakesRespawnPlayers);
    EXPECT_EQ(gameOptions.aiSnakeSpeed, 3);
    EXPECT_TRUE(teams.empty());
    EXPECT_EQ(player[1]->num, 8);
    EXPECT_EQ(player[1]->look.head, 5);
    EXPECT_EQ(greenOf(player[1]->look.colour), 5);
    EXPECT_EQ(player[1]->coins, 0);
    EXPECT_FALSE(game->shrinkAllowed);
    EXPECT_EQ(game->hillArea.x1, 12);
}

TEST_F(ReplayVersions, Version0_95_22StopsAfterTheRespawnSwitch)
{
    ReplayBytes b;
    b.i32(0x5f016).append(commonRows(2, false));
    b.flag(true);                              // startWithShield
    b.i8(16).i8(4).flag(false);
    b.i32(5).i32(1).i32(200).i32(301);
    b.flag(true).text("@@@");                  // aiSnakesRespawnPlayers
    b.i8(13);
    b.i32(0).i32(1).i32(0).colour(1, 2, 3);
    b.i32(1).i32(2).i32(0).colour(4, 5, 6);
    b.text("***").append(roundBlock(RoundBlock::Current));
    loadReplay(b.str());

    EXPECT_TRUE(gameOptions.startWithShield);
    EXPECT_TRUE(gameOptions.aiSnakesRespawnPlayers);
    EXPECT_EQ(gameOptions.aiSnakeSpeed, 3);
    EXPECT_EQ(gameOptions.maxPlayerSpeed, 8);
    EXPECT_EQ(gameOptions.resolvedShrinkStyle, 1);
    EXPECT_FALSE(gameOptions.bombPickupEndsRemote);
    EXPECT_EQ(gameOptions.respawnTime, 10);
}

// A file at 0.97.5 with one input frame; bit 5 of the input byte is not button2 yet.
ReplayBytes version0_97_5()
{
    ReplayBytes b;
    b.i32(0x61005).i32(30).append(commonRows(2, false));
    b.flag(true).i8(7);                        // startWithShield, maxPlayerSpeed
    b.i8(16).i8(3);                            // shrink speed and style
    b.i8(0).flag(false);                       // Classic
    b.i32(5).i32(1).i32(200).i32(301);
    b.flag(true).i8(6).flag(true);             // respawn switch, snake speed, bomb pick-up
    b.flag(true).i32(10).i32(10).i32(50).i32(100);
    b.i8(12).flag(true).text("@@@");           // respawn time, stun
    b.i8(13);
    b.i32(0).i32(1).i32(0).colour(1, 2, 3);
    b.i32(1).i32(2).i32(0).colour(4, 5, 6);
    b.text("***").append(roundBlock(RoundBlock::Current));
    return b;
}

TEST_F(ReplayVersions, Version0_97_5TakesTheLaterRowsDefaults)
{
    loadReplay(version0_97_5().str());
    const GameOptions& o = gameOptions;
    EXPECT_EQ((std::vector{o.updateRate, o.maxPlayerSpeed, *o.resolvedShrinkStyle, o.aiSnakeSpeed,
                           o.resolvedRespawningWalls.minimumFreeCells, o.respawnTime}),
              (std::vector{30, 7, 3, 6, 100, 12}));
    EXPECT_TRUE(o.bombPickupEndsRemote && o.aiSnakeStun);
    expectLateDefaults();
    expectEverythingDefaults();
}

ReplayBytes version1_0_2()
{
    ReplayBytes b;
    b.i32(0x1000002).i32(60).append(commonRows(2, false));
    b.flag(false).i8(7).i8(16).i8(1);
    b.i8(0).flag(false);
    b.i32(5).i32(1).i32(200).i32(301);
    b.flag(true).i8(6).flag(true);
    b.flag(false).i32(0).i32(0).i32(0).i32(0);
    b.i8(12).flag(true).i8(9);                 // respawn time, stun, start length
    b.i32(100).i32(90).i32(1).i32(1000).text("@@@");
    b.i8(13);
    b.i32(0).i32(1).i32(0).colour(1, 2, 3).i32(25);
    b.i32(1).i32(2).i32(0).colour(4, 5, 6).i32(0);
    b.text("***").append(roundBlock(RoundBlock::Current));
    return b;
}

TEST_F(ReplayVersions, Version1_0_2HasCoinsButNoEverythingSwitches)
{
    loadReplay(version1_0_2().str());
    EXPECT_EQ(gameOptions.aiSnakeStartLength, 9);
    EXPECT_EQ(gameOptions.minorStunTime, 90);
    EXPECT_EQ(gameOptions.resolvedAuctionInterval, 1000);
    EXPECT_EQ(player[0]->coins, 25);
    expectEverythingDefaults();
}

// Input byte 0x3F: left and up with fire, and button2 from 1.0.2 on.
TEST_F(ReplayVersions, TheButton2BitCountsFromVersion1_0_2)
{
    for (bool withButton2 : {false, true}) {
        ReplayBytes b = withButton2 ? version1_0_2() : version0_97_5();
        // The 1.0.2 file has auctions and coins: its first frame starts with
        // an auction record, here one that offers nothing.
        if (withButton2)
            b.text("A").i8(0);
        b.i8(0).i8(0x3F).i8(1).i8(0).text("w");
        Playback playback = playBack(b.str(), nullptr);
        EXPECT_EQ(playback.error, "");
        EXPECT_EQ(player[0]->facing, Facing::Left);
        EXPECT_EQ(player[0]->button2Flash, withButton2 ? 60 : 0);
    }
}

TEST_F(ReplayVersions, AFutureVersionIsRefusedBeforeAnyPlayerIsBuilt)
{
    const std::string bytes = ReplayBytes().i32(0x1001003).i32(60).i8(2).text("***").str();
    EXPECT_EQ(thrownBy([&] { loadReplay(bytes); }), "Replay from future version of game: 1.1.3");
    EXPECT_TRUE(player.empty());

    std::istringstream in(bytes);
    int version = 0;
    EXPECT_FALSE(deserialiseOptions(in, version));
    EXPECT_EQ(version, 0x1001003);
    EXPECT_EQ(in.tellg(), 4);
}

TEST_F(ReplayVersions, ANegativeOrZeroVersionIsInvalid)
{
    EXPECT_EQ(thrownBy([&] { loadReplay(ReplayBytes().i32(-5).i32(0).str()); }),
              "Invalid replay: version -5 at byte 4");
    EXPECT_EQ(thrownBy([&] { loadReplay(ReplayBytes().i32(0).i32(0).str()); }),
              "Invalid replay: version 0 at byte 4");
    std::istringstream in(ReplayBytes().i32(-1).str());
    int version = 0;
    EXPECT_FALSE(deserialiseOptions(in, version));
    EXPECT_EQ(version, -1);
}

}
