#include <array>

#include "frame/game_ids.h"
#include "game/modes.h"
#include "support/round_fixture.h"

namespace {

using Modes = RoundTest;

TEST_F(Modes, EachModeAnswersForItselfAndEverythingForItsSwitches)
{
    for (int mode = GameMode::Classic; mode < GameMode::Everything; ++mode) {
        gameOptions.gameMode = mode;
        for (int asked = 0; asked <= GameMode::Everything; ++asked)
            EXPECT_EQ(isMode(asked), asked == mode) << mode << " asked " << asked;
    }
    gameOptions.gameMode = GameMode::Everything;
    EverythingModes& on = gameOptions.everythingModes;
    for (bool first : {true, false}) {
        on.ctf = on.kingOfTheHill = on.respawning = first;   // respawning is Deathmatch
        on.battleRoyale = on.snakeHunter = !first;
        EXPECT_EQ((std::array{isMode(GameMode::Classic), isMode(GameMode::CaptureTheFlag),
                              isMode(GameMode::BattleRoyale), isMode(GameMode::KingOfTheHill),
                              isMode(GameMode::SnakeHunter), isMode(GameMode::Deathmatch),
                              isMode(GameMode::Everything)}),
                  (std::array{false, first, !first, first, !first, first, false}));
    }
    for (int mode = 0; mode <= GameMode::Everything; ++mode)
        EXPECT_EQ(isObjectiveMode(mode), mode == 1 || mode == 2 || mode == 3 || mode == 6) << mode;
}

TEST_F(Modes, ClassicEndsWithOneHumanLeftStanding)
{
    makeArena(6, 6);
    gameOptions.gameMode = GameMode::Classic;
    auto a = addPlayer(0, {1, 1});
    auto b = addPlayer(1, {2, 1});
    auto c = addPlayer(2, {3, 1});
    Game& g = startGame();
    auto snake = addPlayer(120, {4, 4});
    snake->isAI = true;
    snake->dead = true;
    gameOptions.numPlayers = 3;
    a->dead = true;
    EXPECT_FALSE(g.isRoundOver());
    EXPECT_EQ(g.countDeadPlayers(), 1);
    b->dead = c->dead = true;   // all dying in the same frame ends it too
    EXPECT_TRUE(g.isRoundOver());

    gameOptions.numPlayers = 1;
    a->dead = b->dead = c->dead = false;
    EXPECT_TRUE(g.isRoundOver());
}

TEST_F(Modes, ScoreModesEndOnlyWhenTheArenaHasShrunk)
{
    makeArena(6, 6);
    Game& g = startGame();
    for (int mode : {GameMode::CaptureTheFlag, GameMode::KingOfTheHill, GameMode::Deathmatch,
                     GameMode::Everything}) {
        gameOptions.gameMode = mode;
        g.shrinkPhase = 2;
        EXPECT_FALSE(g.isRoundOver()) << mode;
        g.shrinkPhase = 3;
        EXPECT_TRUE(g.isRoundOver()) << mode;
    }
    gameOptions.gameMode = 7;
    EXPECT_FALSE(g.isRoundOver());
}

TEST_F(Modes, BattleRoyaleEndsWhenOneTeamAloneHasAFreeMember)
{
    makeArena(6, 6);
    gameOptions.gameMode = GameMode::BattleRoyale;
    Game& g = startGame();
    EXPECT_TRUE(g.isRoundOver());   // no teams at all
    addTeam({1, 1});
    addTeam({4, 4});
    auto red = addPlayer(0, {1, 1}, 0);
    auto redToo = addPlayer(1, {1, 2}, 0);
    auto blue = addPlayer(2, {4, 4}, 1);
    redToo->dead = true;
    blue->held = true;
    blue->holdTimer = 30;   // its hold runs out by itself: still free
    EXPECT_FALSE(g.isRoundOver());
    blue->holdTimer = 0;    // only a rescue frees it now
    EXPECT_TRUE(g.isRoundOver());
    blue->held = false;
    red->dead = true;
    EXPECT_TRUE(g.isRoundOver());
}

TEST_F(Modes, SnakeHunterEndsWhenTheSnakesAreBeatenOrTheHuntersAre)
{
    makeArena(6, 6);
    gameOptions.gameMode = GameMode::SnakeHunter;
    auto a = addPlayer(0, {1, 1});
    auto b = addPlayer(1, {2, 1});
    Game& g = startGame();
    auto snake = addPlayer(120, {4, 4});
    snake->isAI = true;
    gameOptions.numPlayers = 2;
    g.aiSnakesToSpawn = 0;

    gameOptions.aiSnakesRespawnPlayers = false;
    a->dead = true;
    EXPECT_FALSE(g.isRoundOver());
    b->dead = true;
    EXPECT_TRUE(g.isRoundOver());
    gameOptions.aiSnakesRespawnPlayers = true;   // dead hunters come back
    EXPECT_FALSE(g.isRoundOver());
    g.shrinkPhase = 3;
    EXPECT_TRUE(g.isRoundOver());

    g.shrinkPhase = 0;
    a->dead = b->dead = false;
    snake->dead = true;
    g.aiSnakesToSpawn = 1;
    EXPECT_FALSE(g.isRoundOver());
    g.aiSnakesToSpawn = 0;
    EXPECT_TRUE(g.isRoundOver());
}

}
