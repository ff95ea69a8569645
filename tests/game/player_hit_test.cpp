#include "frame/game_ids.h"
#include "rules_scenario.h"

namespace {

class Hits : public RulesScenario {
protected:
    void SetUp() override
    {
        RulesScenario::SetUp();
        makeArena(9, 7);
    }

    int lastToastAmount() const
    {
        auto* toast = game->toasts.empty() ? nullptr
                                           : dynamic_cast<DisplayScoreToast*>(game->toasts.back().get());
        EXPECT_NE(toast, nullptr);
        EXPECT_EQ(toast ? toast->teamIndex : -1, 0);
        return toast ? toast->amount : -999;
    }

    void twoTeams()
    {
        teams.emplace_back(Vector2{1, 1}, Vector2{1, 0});
        teams.emplace_back(Vector2{7, 5}, Vector2{-1, 0});
    }

    const PackagedReplayData newGame{};
};

TEST_F(Hits, AShieldAbsorbsTheHitAndOnlyStartsRunningOutAndTheDeadIgnoreHits)
{
    auto p = addPlayer(0, {2, 2});
    auto attacker = addPlayer(1, {4, 4});
    startGame();
    p->giveShield();
    p->hit(DeathCause::Explosion, newGame, attacker);
    EXPECT_FALSE(p->dead);
    EXPECT_EQ(p->shieldTimer, 120);
    p->shieldTimer = 50;
    p->hit(DeathCause::Explosion, newGame, attacker);
    EXPECT_EQ(p->shieldTimer, 50);
    EXPECT_EQ(attacker->kills, 0);
    gameOptions.updateRateMultiplier = 2;
    p->giveShield();
    p->hit(DeathCause::Wall, newGame, nullptr);
    EXPECT_EQ(p->shieldTimer, 240);

    p->shielded = false;
    p->hit(DeathCause::Explosion, newGame, attacker);
    p->hit(DeathCause::Explosion, newGame, attacker);
    EXPECT_EQ(attacker->kills, 1);
    EXPECT_EQ(p->flyingSprites.size(), 1u);
}

TEST_F(Hits, AShieldedSnakeIsStillCutByWallsAndPushedBlocksButNotByFlames)
{
    auto snake = addPlayer(0, {2, 2});
    startGame();
    for (int cause : {DeathCause::SnakeBodyHitByAppearingWall, DeathCause::SnakeHeadPushedWall,
                      DeathCause::SnakeBodyPushedWall, DeathCause::SnakeBodyHitByExplosion,
                      DeathCause::PushedWall}) {
        SCOPED_TRACE(cause);
        snake->snakeLength = 12;
        snake->giveShield();
        snake->hit(cause, newGame, nullptr);
        const bool cut = cause != DeathCause::SnakeBodyHitByExplosion && cause != DeathCause::PushedWall;
        EXPECT_EQ(snake->snakeLength, cut ? 6 : 12);
        EXPECT_EQ(snake->shieldTimer, 120);
    }
}

TEST_F(Hits, ASnakeHitInTheBodyHalvesKeepingItsFormFromFourOn)
{
    auto snake = addPlayer(0, {2, 2});
    startGame();
    snake->snakeLength = 9;
    snake->hit(DeathCause::SnakeBodyHitByExplosion, newGame, nullptr);
    EXPECT_EQ(snake->snakeLength, 4);
    EXPECT_TRUE(snake->shielded);
    EXPECT_EQ(snake->shieldTimer, 120);
    EXPECT_EQ(snake->minorStunTimer, gameOptions.minorStunTime);

    // Too short to stay a snake: it turns human, dazed and shielded.
    snake->shielded = false;
    snake->snakeLength = 7;
    snake->minorStunTimer = 0;
    gameOptions.aiSnakeStun = false;
    snake->hit(DeathCause::SnakeBodyPushedWall, newGame, nullptr);
    EXPECT_EQ(snake->snakeLength, 0);
    EXPECT_FALSE(snake->dead);
    EXPECT_TRUE(snake->held);
    EXPECT_TRUE(snake->shielded);
    EXPECT_EQ(snake->minorStunTimer, 0);
}

TEST_F(Hits, AFlameStunsAComputerSnakeAndCutsItInNewerReplaysCountingAsAHurt)
{
    gameOptions.gameMode = GameMode::SnakeHunter;
    struct Case {
        int version;
        int slow;
        bool cut;
    };
    const int stun = gameOptions.majorStunTime;
    // The oldest replays end the computer snake instead (the snake rules decide how).
    for (Case c : {Case{0x5f00f, 0, false}, Case{0x5f010, stun, false}, Case{0x5f011, stun, true}}) {
        SCOPED_TRACE(c.version);
        resetRoundState();
        makeArena(9, 7);
        auto attacker = addPlayer(0, {1, 1});
        auto snake = addPlayer(120, {4, 4});
        auto human = addPlayer(1, {2, 2});
        snake->isAI = true;
        snake->snakeLength = human->snakeLength = 12;
        startGame();
        snake->hit(DeathCause::Explosion, replayOfVersion(c.version), attacker);
        EXPECT_EQ(snake->slowTimer, c.slow);
        EXPECT_EQ(snake->snakeLength == 6, c.cut);
        if (c.version >= 0x5f010) {
            EXPECT_EQ(attacker->kills, c.cut ? 1 : 0);
        }
    }
    // Cutting a player's snake is no hurt.
    player[2]->hit(DeathCause::SnakeBodyHitByExplosion, newGame, player[0]);
    EXPECT_EQ(player[2]->snakeLength, 6);
    EXPECT_EQ(player[0]->kills, 1);
}

TEST_F(Hits, SnakesOfOldReplaysWalkThroughWallAndPushedBlockHits)
{
    auto snake = addPlayer(0, {2, 2});
    startGame();
    snake->snakeLength = 8;
    for (int cause : {DeathCause::PushedWall, DeathCause::Wall}) {
        snake->giveShield();
        snake->hit(cause, replayOfVersion(0x1000009), nullptr);
        EXPECT_EQ(snake->shieldTimer, 121);
        snake->hit(cause, replayOfVersion(0x100000a), nullptr);
        EXPECT_EQ(snake->shieldTimer, 120);
    }
}

TEST_F(Hits, BattleRoyaleCapturesOnTheFirstHitAndKillsOnTheNext)
{
    gameOptions.gameMode = GameMode::BattleRoyale;
    for (int version : {0x5f008, 0x5f009}) {
        SCOPED_TRACE(version);
        resetRoundState();
        makeArena(9, 7);
        auto p = addPlayer(0, {2, 2});
        auto attacker = addPlayer(1, {4, 4});
        startGame();
        p->facing = Facing::Down;
        p->walkFrame = 4;
        p->specialBombOut = true;
        placeBomb({5, 5}, p, 90, BombState::Detonator);

        p->hit(DeathCause::Explosion, replayOfVersion(version), attacker);
        EXPECT_FALSE(p->dead);
        EXPECT_TRUE(p->held);
        EXPECT_EQ(p->walkFrame, 1);
        EXPECT_EQ(p->facing, Facing::Right);
        EXPECT_EQ(p->shieldTimer, 120);
        EXPECT_EQ(attacker->kills, 0);
        const bool released = version >= 0x5f009;
        EXPECT_EQ(p->specialBombOut, !released);
        EXPECT_EQ(bombGrid.at(5, 5).state, released ? BombState::Normal : BombState::Detonator);

        p->shielded = false;
        p->hit(DeathCause::Explosion, replayOfVersion(version), attacker);
        EXPECT_TRUE(p->dead);
        EXPECT_EQ(attacker->kills, 1);
    }
}

TEST_F(Hits, DeathReleasesBombsStartsTheRespawnAndLeavesASpinningSprite)
{
    gameOptions.gameMode = GameMode::Deathmatch;
    gameOptions.updateRateMultiplier = 2;
    gameOptions.respawnTime = 10;
    auto p = addPlayer(0, {2, 3});
    startGame();
    p->specialBombOut = true;
    placeBomb({5, 5}, p, 90, BombState::RemoteControl);
    makeSnake(p, 0, {{2, 3}});
    p->die();
    EXPECT_TRUE(p->dead);
    EXPECT_EQ(p->respawnTimer, 1200);
    EXPECT_EQ(bombGrid.at(5, 5).state, BombState::Normal);
    EXPECT_TRUE(p->snakeBody.empty());
    ASSERT_EQ(p->flyingSprites.size(), 1u);
    EXPECT_TRUE(p->flyingSprites[0]->sprite.dead);

    gameOptions.gameMode = GameMode::Classic;   // no respawn
    auto q = addPlayer(1, {4, 4});
    q->die();
    EXPECT_EQ(q->respawnTimer, 0);
}

TEST_F(Hits, KillsCountOutsideTheEverythingModeAndAnOwnKillCountsAgainst)
{
    for (int mode : {GameMode::Classic, GameMode::Deathmatch, GameMode::CaptureTheFlag,
                     GameMode::KingOfTheHill}) {
        SCOPED_TRACE(mode);
        gameOptions.gameMode = mode;
        resetRoundState();
        makeArena(9, 7);
        auto killer = addPlayer(0, {1, 1});
        auto victim = addPlayer(1, {4, 4});
        startGame();
        victim->hit(DeathCause::Explosion, newGame, killer);
        EXPECT_EQ(killer->kills, 1);
        killer->hit(DeathCause::Explosion, newGame, killer);
        EXPECT_EQ(killer->kills, 0);
        EXPECT_TRUE(game->toasts.empty());
    }
    // The Everything mode without its respawning switch counts kills too.
    gameOptions.gameMode = GameMode::Everything;
    gameOptions.everythingModes.respawning = false;
    gameOptions.everythingModes.battleRoyale = false;
    player[1]->resetStats();
    player[1]->hit(DeathCause::Explosion, newGame, player[0]);
    EXPECT_EQ(player[0]->kills, 1);
}

TEST_F(Hits, TheEverythingModePaysKillPointsToTheKillersTeam)
{
    gameOptions.gameMode = GameMode::Everything;
    gameOptions.everythingModes.respawning = true;
    gameOptions.killPoints = 3;
    gameOptions.aiSnakeHurtPoints = 2;
    gameOptions.aiSnakeKillPoints = 7;
    twoTeams();
    auto killer = addPlayer(0, {4, 1}, 0);
    auto mate = addPlayer(1, {4, 2}, 0);
    auto enemy = addPlayer(2, {4, 3}, 1);
    auto computer = addPlayer(120, {4, 4});
    computer->isAI = true;
    auto loner = addPlayer(3, {4, 5});
    startGame();

    struct Case {
        std::shared_ptr<Player> victim;
        bool hurt;
        int points;
    };
    for (const Case& c : {Case{enemy, false, 3}, Case{mate, false, -3}, Case{killer, false, -3},
                          Case{computer, true, 2}, Case{computer, false, 7}}) {
        killer->awardKillScore(c.victim, c.hurt);
        EXPECT_EQ(lastToastAmount(), c.points);
    }
    EXPECT_EQ(killer->kills, 0);
    // A killer without a team, or with a team that is not there, earns nothing.
    loner->awardKillScore(enemy, false);
    loner->team = 5;
    loner->awardKillScore(enemy, false);
    EXPECT_EQ(game->toasts.size(), 5u);
    // The points land on the team's displayed score with the toast.
    runFrames(game->scoreToastFrames);
    EXPECT_EQ(teams[0].displayedScore, 3 - 3 - 3 + 2 + 7);
    EXPECT_EQ(teams[0].killScore, teams[0].displayedScore);
    EXPECT_EQ(teams[0].score, 0);

    // A kill by a flame sends its toast too.
    gameOptions.everythingModes.battleRoyale = false;
    placeBomb({3, 3}, killer, 0);
    runFrames(1);
    EXPECT_TRUE(enemy->dead);
    EXPECT_EQ(lastToastAmount(), 3);
}

}
