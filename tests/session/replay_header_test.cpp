#include <gtest/gtest.h>

#include "game/round_state.h"
#include "media/colour.h"
#include "session/replay_fields.h"
#include "session/replay_header.h"
#include "support/checks.h"
#include "support/replay_round_fixture.h"
#include "replay_fixtures.h"

namespace {

// A current-version (1.1.2) file in Capture the Flag with two teams of one
// player each, assembled from the layout tables with a value unlike the
// default in every field.
ReplayBytes currentOptions()
{
    ReplayBytes b;
    b.i32(0x1001002);                          // version
    b.i32(120);                                // updateRate
    b.i8(2);                                   // numPlayers
    b.i8(19).i8(11);                           // arena
    b.flag(false);                             // arenaShrinks
    b.i8(3).i8(9);                             // initialPlayerSpeed, snailSeconds
    b.flag(true).flag(false).flag(false);      // releaseFireEndsRemote, remoteControlDelay, rocketDelay
    b.flag(true).flag(false);                  // startAsSnake, startWithShield
    b.i8(7);                                   // maxPlayerSpeed
    b.i8(32);                                  // shrink speed
    b.i8(2);                                   // shrink style
    b.i8(1);                                   // gameMode
    b.flag(true);                              // ctfCentreFlag
    b.flag(true).flag(false).flag(true).flag(false).flag(true);  // battleRoyale, ctf, respawning, koth, snakeHunter
    b.i8(200).i8(3).i8(4).i8(5);               // kill, hurt, snake kill, flag points
    b.i32(7).i32(2).i32(600).i32(401);         // snake count, at once, preparation, interval
    b.flag(false);                             // aiSnakesRespawnPlayers
    b.i8(9);                                   // aiSnakeSpeed
    b.flag(false);                             // bombPickupEndsRemote
    b.flag(true).i32(11).i32(12).i32(51).i32(101);  // respawning walls
    b.i8(7);                                   // respawnTime
    b.flag(false);                             // aiSnakeStun
    b.i8(6);                                   // aiSnakeStartLength
    b.i32(170).i32(110);                       // major, minor stun
    b.i32(2);                                  // multiplier
    b.i32(1500);                               // auction interval
    b.text("@@@");
    return b;
}

ReplayBytes currentSetup()
{
    ReplayBytes b = currentOptions();
    b.i8(13);                                          // proximity radius
    b.i8(2);                                           // teams
    b.colour(255, 0, 0).i32(1).i32(5);
    b.colour(0, 0, 255).i32(1).i32(9);
    b.i32(5).i32(3).i32(0).colour(10, 20, 30).i32(7);  // player 5
    b.i32(9).i32(12).i32(1).colour(40, 50, 60).i32(0); // player 9
    b.text("***");
    return b;
}

class ReplayHeader : public ReplayRoundTest {};

TEST_F(ReplayHeader, ACurrentFileReadsBackToItsValues)
{
    const std::string bytes = currentSetup().append(roundBlock(RoundBlock::Current)).str();
    loadReplay(bytes);

    const GameOptions& o = gameOptions;
    EXPECT_EQ(playing.replayInputVersion, 0x1001002);
    EXPECT_EQ((std::vector{o.updateRate, o.numPlayers, grid_squares_x, grid_squares_y}), (std::vector{120, 2, 19, 11}));
    EXPECT_EQ((std::vector{o.initialPlayerSpeed, o.snailSeconds, o.maxPlayerSpeed, o.gameMode}), (std::vector{3, 9, 7, 1}));
    EXPECT_EQ(bits({o.arenaShrinks, o.releaseFireEndsRemote, o.remoteControlDelay, o.rocketDelay, o.startAsSnake,
                    o.startWithShield, o.ctfCentreFlag, o.aiSnakesRespawnPlayers, o.bombPickupEndsRemote,
                    o.aiSnakeStun}),
              "0100101000");
    const EverythingModes& e = o.everythingModes;
    EXPECT_EQ(bits({e.battleRoyale, e.ctf, e.respawning, e.kingOfTheHill, e.snakeHunter}), "10101");
    EXPECT_EQ(o.resolvedShrinkSpeed, 32);
    EXPECT_EQ(o.resolvedShrinkStyle, 2);
    // The kill points are a signed byte: 200 reads as -56.
    EXPECT_EQ((std::vector{o.killPoints, o.aiSnakeHurtPoints, o.aiSnakeKillPoints, o.flagCapturePoints}),
              (std::vector{-56, 3, 4, 5}));
    EXPECT_EQ((std::vector{o.resolvedAISnakeCount, o.resolvedMaxAISnakesAtOnce, o.resolvedSnakePreparationTime,
                           o.resolvedSnakeSpawnInterval}),
              (std::vector{7, 2, 600, 401}));
    const RespawningWallsSettings& walls = o.resolvedRespawningWalls;
    EXPECT_TRUE(walls.enabled);
    EXPECT_EQ((std::vector{walls.interval, walls.startLimit, walls.stopLimit, walls.minimumFreeCells}),
              (std::vector{11, 12, 51, 101}));
    EXPECT_EQ((std::vector{o.aiSnakeSpeed, o.respawnTime, o.aiSnakeStartLength, o.majorStunTime, o.minorStunTime,
                           o.updateRateMultiplier}),
              (std::vector{9, 7, 6, 170, 110, 2}));
    EXPECT_EQ(o.resolvedAuctionInterval, 1500);
    // What the header does not hold stays empty.
    EXPECT_FALSE(o.resolvedArenaSize);
    EXPECT_FALSE(o.resolvedWallDensity);
    EXPECT_EQ(proximityRadius, 13);

    ASSERT_EQ(teams.size(), 2u);
    EXPECT_EQ(redOf(teams[0].colour), 255);
    EXPECT_EQ(blueOf(teams[1].colour), 255);
    ASSERT_EQ(player.size(), 2u);
    EXPECT_EQ((std::vector{player[0]->num, player[0]->team, player[0]->look.head, player[0]->look.variant,
                           blueOf(player[0]->look.colour), player[0]->coins}),
              (std::vector{5, 0, 3, 0, 30, 7}));
    EXPECT_EQ((std::vector{player[1]->num, player[1]->team, player[1]->look.head, player[1]->look.variant,
                           greenOf(player[1]->look.colour), player[1]->coins}),
              (std::vector{9, 1, 12, 1, 50, 0}));
    EXPECT_EQ(teams[1].members.at(0).lock(), player[1]);

    EXPECT_EQ(o.resolvedTimeBeforeShrinking, 5400);
    EXPECT_FALSE(game->shrinkAllowed);
    EXPECT_EQ(game->hillArea.x0, 6);
    EXPECT_EQ(game->hillArea.y1, 7);
    EXPECT_EQ(grid.at(0, 4), Square::OuterWall);
    EXPECT_EQ(grid.at(3, 2), Square::Block);
    EXPECT_EQ(powerupGrid.at(3, 2), 7);
    EXPECT_EQ(grid.at(4, 2), Square::Empty);
    EXPECT_EQ((std::vector{player[1]->x, player[1]->y}), (std::vector{544, 288}));
    EXPECT_EQ(player[1]->startCell, (Vector2{17, 9}));
}

// Every header field set apart from its default and from the others; the
// file read back writes the same bytes again.
TEST_F(ReplayHeader, EveryFieldSurvivesARoundTrip)
{
    makeArena(27, 15);
    for (int x = 1; x < 26; ++x) {
        for (int y = 1; y < 14; ++y) {
            const int i = x * 13 + y;
            const int kinds[] = {0, 1, 3, 4, 5, 6, 10, 29, 40, 59};
            grid.at(x, y) = kinds[i % 10];
            powerupGrid.at(x, y) = i % 22;
        }
    }
    GameOptions& o = gameOptions;
    o.gameMode = 1;
    o.updateRate = 144;
    o.updateRateMultiplier = 2;
    o.arenaShrinks = false;
    o.initialPlayerSpeed = 4;
    o.snailSeconds = 11;
    o.releaseFireEndsRemote = true;
    o.remoteControlDelay = false;
    o.rocketDelay = false;
    o.startAsSnake = true;
    o.startWithShield = true;
    o.maxPlayerSpeed = 9;
    o.ctfCentreFlag = true;
    o.everythingModes = {false, true, false, true, false};
    o.killPoints = 13;
    o.aiSnakeHurtPoints = 14;
    o.aiSnakeKillPoints = 15;
    o.flagCapturePoints = 16;
    o.aiSnakesRespawnPlayers = false;
    o.aiSnakeSpeed = 7;
    o.bombPickupEndsRemote = false;
    o.respawnTime = 17;
    o.aiSnakeStun = false;
    o.aiSnakeStartLength = 18;
    o.majorStunTime = 190;
    o.minorStunTime = 130;
    resolveReplayRoundOptions(3);
    o.resolvedShrinkSpeed = 8;
    o.resolvedShrinkStyle = 3;
    o.resolvedTimeBeforeShrinking = 7560;
    o.resolvedAuctionInterval = 2222;
    o.resolvedAISnakeCount = 21;
    o.resolvedMaxAISnakesAtOnce = 22;
    o.resolvedSnakePreparationTime = 23;
    o.resolvedSnakeSpawnInterval = 24;
    o.resolvedRespawningWalls = {true, 25, 26, 27, 28};
    proximityRadius = 19;
    for (int t = 0; t < 3; ++t) {
        teams.emplace_back(Vector2{t, t}, Vector2{1, 0});
        teams.back().colour = al_map_rgb(30 * t, 40 + t, 250 - t);
    }
    const Vector2 cells[] = {{1, 1}, {25, 13}, {13, 1}, {13, 13}};
    for (int i = 0; i < 4; ++i) {
        auto p = addPlayer(10 + i, cells[i], i % 3);
        p->look.head = i + 2;
        p->look.variant = i;
        p->look.colour = al_map_rgb(i, 100 + i, 200 + i);
        p->coins = 40 + i;
    }
    recording = recordingContext(replayOut, nullptr);
    Game& g = startGame(recording);
    g.shrinkAllowed = false;
    g.hillArea = {10, 4, 16, 10};
    writeReplayStart(recording, g);
    const std::string first = replayOut.str();
    const CellLayer<int> savedGrid = grid;
    const CellLayer<int> savedPowerups = powerupGrid;

    loadReplay(first);
    EXPECT_EQ(gameOptions.resolvedShrinkSpeed, 8);
    EXPECT_EQ(gameOptions.resolvedRespawningWalls.minimumFreeCells, 28);
    EXPECT_EQ(proximityRadius, 19);
    EXPECT_EQ(player.size(), 4u);
    EXPECT_EQ(player[3]->team, 0);
    EXPECT_EQ(teams[0].members.size(), 2u);
    for (int x = 0; x < 27; ++x) {
        for (int y = 0; y < 15; ++y) {
            ASSERT_EQ(grid.at(x, y), savedGrid.at(x, y));
            ASSERT_EQ(powerupGrid.at(x, y), savedPowerups.at(x, y));
        }
    }
    gameOptions.resolvedArenaSize = 3;
    replayOut.str("");
    PackagedReplayData again = recordingContext(replayOut, nullptr);
    writeReplayStart(again, *game);
    EXPECT_EQ(replayOut.str(), first);
}

TEST_F(ReplayHeader, TheWriterRefusesAGridOfAnotherSize)
{
    makeArena(20, 11);
    addPlayer(0, {1, 1});
    resolveReplayRoundOptions(1);
    std::ostringstream out;
    EXPECT_EQ(thrownBy([&] { serialiseSetup(out); }),
              "Assertion failed: 'arenaSize.x == grid_squares_x' at line 2789\n");
    EXPECT_EQ(out.str(), "");
}

// A current file with one byte (or a four-byte field) replaced.
std::string patched(std::size_t offset, int value, int width = 1)
{
    std::string bytes = currentSetup().append(roundBlock(RoundBlock::Current)).str();
    for (int i = 0; i < width; ++i)
        bytes[offset + std::size_t(i)] = char((unsigned(value) >> (8 * i)) & 0xff);
    return bytes;
}

// A refused value names itself and the byte where reading stopped: the end of
// the options header for the options and the end of a player's record for its
// fields, which are checked together, else the end of the value itself.
TEST_F(ReplayHeader, ValuesTheGameCannotUseAreRefusedByNameAndPlace)
{
    const std::size_t setup = currentOptions().size();        // the proximity radius
    const std::size_t players = setup + 1 + 1 + 2 * 20;       // after the radius and teams
    const std::size_t grid = currentSetup().size() + 4 + 17;  // the first cell of the grid
    const std::size_t positions = currentSetup().size() + roundBlock(RoundBlock::Current).size() - 21;
    struct Case {
        std::size_t offset;
        int value;
        int width;
        std::string message;
        std::size_t stop;
    };
    const Case cases[] = {
        {4, 50, 4, "updateRate 50", setup},
        {8, 0, 1, "numPlayers 0", setup},
        {8, 101, 1, "numPlayers 101", setup},
        {9, 200, 1, "arena width -56", setup},
        {10, 4, 1, "arena height 4", setup},
        {12, 255, 1, "initialPlayerSpeed -1", setup},
        {20, 0, 1, "resolvedShrinkSpeed 0", setup},
        {21, 4, 1, "resolvedShrinkStyle 4", setup},
        {22, 7, 1, "gameMode 7", setup},
        {setup, 200, 1, "proximityRadius -56", setup + 1},
        {setup + 1, 200, 1, "team count -56", setup + 2},
        {setup + 2, 256, 4, "colour 256", setup + 6},
        {setup + 14, 3, 4, "team member count 3", setup + 18},
        {setup + 18, 262144, 4, "team member 262144", setup + 22},
        {setup + 18, -1, 4, "team member -1", setup + 22},
        // 119 is the end byte, which a frame would read as the round's end.
        {setup + 18, 119, 4, "team member 119", setup + 22},
        {players, 119, 4, "player number 119", players + 28},
        {players + 4, 13, 4, "head 13", players + 28},
        {players + 24, -1, 4, "coins -1", players + 28},
        {grid, 7, 1, "cell kind 7", grid + 1},
        {grid + 1, 22, 1, "powerup 22", grid + 2},
        {positions, 18 * 32 + 1, 4, "player x 577", positions + 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(thrownBy([&] { loadReplay(patched(c.offset, c.value, c.width)); }),
                  "Invalid replay: " + c.message + " at byte " + std::to_string(c.stop));
    }
}

// A member that names none of the file's players joins nobody to the team;
// the player it meant plays without one.
TEST_F(ReplayHeader, AMemberThatNamesNoPlayerIsPassedOver)
{
    const std::size_t setup = currentOptions().size();
    loadReplay(patched(setup + 18, 118, 4));
    ASSERT_EQ(player.size(), 2u);
    EXPECT_EQ(player[0]->team, -1);
    EXPECT_TRUE(teams[0].members.empty());
    EXPECT_EQ(player[1]->team, 1);
}

// The smallest arena, 5 x 5, is a usable one.
TEST_F(ReplayHeader, AFiveByFiveArenaIsAccepted)
{
    std::string bytes = patched(9, 5);
    bytes[10] = 5;
    std::istringstream in(bytes);
    int version = 0;
    const std::optional<ReplayHeaderOptions> header = deserialiseOptions(in, version);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->arenaSize, Vector2(5, 5));
}

// A section cut short is named with the byte where the file ended.
TEST_F(ReplayHeader, ASectionCutShortIsNamedWithWhereTheFileEnds)
{
    const std::string whole = patched(0, 0x1001002);
    const std::size_t setup = currentOptions().size();
    const std::size_t round = currentSetup().size();
    const struct {
        std::size_t size;
        const char* section;
    } cuts[] = {{2, "options header"},   {setup - 1, "options header"}, {setup + 5, "teams and players"},
                {round + 2, "round settings"}, {round + 30, "grid"},   {whole.size() - 3, "start positions"}};
    for (const auto& cut : cuts) {
        SCOPED_TRACE(cut.size);
        EXPECT_EQ(thrownBy([&] { loadReplay(whole.substr(0, cut.size)); }),
                  std::string("Invalid replay: ") + cut.section + " cut short at byte " + std::to_string(cut.size));
    }
}

// The marker's own check shows the bytes it found; a replay being loaded
// names the marker and where it was looked for.
TEST_F(ReplayHeader, AWrongMarkerShowsTheBytesItFound)
{
    const std::size_t marker = currentOptions().size() - 3;
    std::istringstream in(std::string("@\x01@"));
    EXPECT_EQ(thrownBy([&] { checkMarker(in, "@@@"); }), "matchedMarker @@@ failed:\n@\\x01@");
    EXPECT_EQ(thrownBy([&] { loadReplay(patched(marker + 1, 1)); }),
              "Invalid replay: marker @@@ missing at byte " + std::to_string(marker + 3) + ", found \"@\\x01@\"");
    EXPECT_EQ(thrownBy([&] { loadReplay(patched(marker, '\\')); }),
              "Invalid replay: marker @@@ missing at byte " + std::to_string(marker + 3) + ", found \"\\x5c@@\"");
}

}
