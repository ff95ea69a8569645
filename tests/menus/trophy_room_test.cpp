// The trophy room headless: its stages by update count, its rows, the
// champions' leaps and how players tumble.
#include <allegro5/allegro.h>

#include <cmath>
#include <numbers>

#include "game/player.h"
#include "game/round_state.h"
#include "menu_screen_fixture.h"
#include "menus/trophy_jump.h"
#include "menus/trophy_layout.h"
#include "menus/trophy_room_screen.h"
#include "support/log_capture.h"
#include "support/scripted_controls.h"

namespace {

class TrophyRoomTest : public MenuScreenTest {
protected:
    void SetUp() override
    {
        MenuScreenTest::SetUp();
        gameOptions.winsNeeded = 3;
        gameOptions.updateRate = 60;
    }

    std::shared_ptr<Player> newPlayer(int num)
    {
        auto p = std::make_shared<Player>(num, 0, -1, PlayerLook{}, std::make_shared<ScriptedControls>());
        players.push_back(p);
        return p;
    }
    ScoringEntity entry(int previousWins, int wins, int playerCount = 1)
    {
        ScoringEntity e;
        e.previousWins = previousWins;
        e.wins = wins;
        for (int i = 0; i < playerCount; ++i)
            e.players.push_back(newPlayer(int(players.size()) + 1));
        return e;
    }
    TrophyRoom room(std::vector<ScoringEntity> entries, bool noWinner = false)
    {
        return TrophyRoom(std::move(entries), noWinner, "", 640, 480);
    }
    // Updates until the room reaches the stage; how many it took.
    static int updatesUntilStage(TrophyRoom& r, int stage)
    {
        int n = 0;
        while (r.stage() < stage && n < 10000) {
            r.update();
            ++n;
        }
        return n;
    }

    std::vector<std::shared_ptr<Player>> players;
    LogCapture log;
};

TEST_F(TrophyRoomTest, TheNewTrophiesShowAfterTheFirstPauseAndSpaceCountsOnlyOnceAllIsShown)
{
    TrophyRoom r = room({entry(0, 1), entry(1, 1)});
    // 1.769 s at 60 updates a second: the pause runs out after 107 updates,
    // and the next reveals the new trophies.
    run([&] { r.update(); }, 107);
    EXPECT_EQ(r.stage(), 0);
    EXPECT_EQ(r.trophiesShown(0), 0);
    r.update();
    EXPECT_EQ(r.stage(), TrophyRoom::revealStage);
    EXPECT_EQ(r.trophiesShown(0), 1);
    EXPECT_EQ(r.trophiesShown(1), 1);

    // SPACE pressed now, and still held when the room opens to it, does nothing.
    held = {ALLEGRO_KEY_SPACE};
    r.update();
    EXPECT_EQ(r.stage(), 2);
    EXPECT_FLOAT_EQ(r.timer(), 1.0f);
    const int wait = updatesUntilStage(r, TrophyRoom::interactiveStage);
    EXPECT_GE(wait, 60);
    EXPECT_LE(wait, 62);
    run([&] { r.update(); }, 30);
    EXPECT_FALSE(r.done());
    held.clear();
    r.update();
    EXPECT_FALSE(r.done());
    held = {ALLEGRO_KEY_SPACE};
    r.update();
    EXPECT_TRUE(r.done());
}

TEST_F(TrophyRoomTest, AtTwiceTheRateThePausesTakeTwiceTheUpdates)
{
    gameOptions.updateRate = 120;
    TrophyRoom r = room({entry(0, 1)});
    const int first = updatesUntilStage(r, TrophyRoom::revealStage);
    EXPECT_GE(first, 213);
    EXPECT_LE(first, 214);
}

TEST_F(TrophyRoomTest, ARoundWithoutAWinnerKeepsEveryRowsTrophies)
{
    TrophyRoom r = room({entry(2, 2), entry(1, 1)}, true);
    updatesUntilStage(r, TrophyRoom::interactiveStage);
    EXPECT_EQ(r.trophiesShown(0), 2);
    EXPECT_EQ(r.trophiesShown(1), 1);
    EXPECT_FALSE(r.isFinal());
}

TEST_F(TrophyRoomTest, TheFinalRoomLaunchesTheChampionsOnly)
{
    std::vector<ScoringEntity> entries{entry(2, 3, 2), entry(2, 2)};
    const Player* champion1 = entries[0].players[0].get();
    const Player* champion2 = entries[0].players[1].get();
    const Player* other = entries[1].players[0].get();
    TrophyRoom r = room(entries);
    EXPECT_TRUE(r.isFinal());
    updatesUntilStage(r, TrophyRoom::interactiveStage);
    ASSERT_EQ(r.jumps.size(), 2u);
    for (const Player* p : {champion1, champion2}) {
        const TrophyJump& j = r.jumps.at(p);
        EXPECT_FALSE(j.placed()) << "placed where it stands when next drawn";
        EXPECT_GE(j.vx, -2.0f);
        EXPECT_LE(j.vx, 2.0f);
        EXPECT_GE(j.vy, -6.0f);
        EXPECT_LE(j.vy, -3.0f);
        EXPECT_EQ(j.spin, 0.0f);
    }
    EXPECT_EQ(r.jumps.count(other), 0u);
}

TEST_F(TrophyRoomTest, ANonFinalRoomLaunchesNobody)
{
    TrophyRoom r = room({entry(1, 2), entry(0, 0)});
    EXPECT_FALSE(r.isFinal());
    updatesUntilStage(r, TrophyRoom::interactiveStage);
    EXPECT_TRUE(r.jumps.empty());
}

TEST_F(TrophyRoomTest, EntriesWithoutPlayersAreLeftOut)
{
    ScoringEntity gone;
    gone.wins = 3;
    gone.players = {nullptr};
    ScoringEntity team = entry(0, 1, 2);
    team.players.insert(team.players.begin() + 1, nullptr);
    TrophyRoom r = room({ScoringEntity{}, team, gone});
    ASSERT_EQ(r.rows().size(), 1u);
    EXPECT_EQ(r.rows()[0].players.size(), 2u);
    EXPECT_FALSE(r.isFinal()) << "nobody left with the wins needed";
}

TEST_F(TrophyRoomTest, SlowedPlayersRecoverOnceTheRoomIsOpen)
{
    std::vector<ScoringEntity> entries{entry(0, 1)};
    entries[0].players[0]->slowTimer = 5;
    TrophyRoom r = room(entries);
    updatesUntilStage(r, TrophyRoom::interactiveStage);
    EXPECT_EQ(players[0]->slowTimer, 5);
    run([&] { r.update(); }, 3);
    EXPECT_EQ(players[0]->slowTimer, 2);
    run([&] { r.update(); }, 5);
    EXPECT_EQ(players[0]->slowTimer, 0);
}

TEST(TrophyLayout, RowsAndScreenSizes)
{
    EXPECT_EQ(trophyScreenSizeId(2), 1);
    EXPECT_EQ(trophyScreenSizeId(5), 1);
    EXPECT_EQ(trophyScreenSizeId(6), 2);
    EXPECT_EQ(trophyScreenSizeId(10), 2);
    EXPECT_EQ(trophyScreenSizeId(11), 3);
    EXPECT_EQ(trophyScreenSizeId(16), 3);
    EXPECT_EQ(trophyScreenSizeId(17), 4);

    // Up to five rows: 64 apart about the middle.
    EXPECT_EQ(trophyRowY(1, 2, 480), 192);
    EXPECT_EQ(trophyRowY(2, 2, 480), 256);
    EXPECT_EQ(trophyRowY(1, 3, 480), 176);
    EXPECT_EQ(trophyRowY(3, 3, 480), 304);
    // Six rows on the 640-high screen: between 80 and 576.
    EXPECT_EQ(trophyRowY(1, 6, 640), 162);
    EXPECT_EQ(trophyRowY(6, 6, 640), 576);
    // Eleven on the 720-high screen: between 48 and 680.
    EXPECT_EQ(trophyRowY(1, 11, 720), 105);
    EXPECT_EQ(trophyRowY(11, 11, 720), 680);
    // Seventeen on the 960-high screen: between 16 and 944.
    EXPECT_EQ(trophyRowY(1, 17, 960), 70);
    EXPECT_EQ(trophyRowY(17, 17, 960), 944);
    for (int n : {6, 11, 17}) {
        const int height = n == 6 ? 640 : n == 11 ? 720 : 960;
        for (int i = 2; i <= n; ++i)
            EXPECT_GT(trophyRowY(i, n, height), trophyRowY(i - 1, n, height)) << n << " rows, row " << i;
    }
}

TEST(TrophyLayout, PlayersCloseUpAsARowFills)
{
    EXPECT_EQ(trophyPlayerX(0, 1), 70);
    EXPECT_EQ(trophyPlayerX(0, 2), 66);
    EXPECT_EQ(trophyPlayerX(1, 2), 81);
    EXPECT_EQ(trophyPlayerX(0, 20), 0);
    EXPECT_EQ(trophyPlayerX(3, 20), 30);
    EXPECT_EQ(trophyPlayerX(1, 60), 2);
    EXPECT_EQ(trophyX(0), 156);
    EXPECT_EQ(trophyX(2), 252);
}

TEST(TrophyJumps, APlayerFallsTurnsOnceAndBouncesOffTheFloor)
{
    std::mt19937 rng;
    TrophyJump j;
    j.x = 100;
    j.y = 200;
    moveTrophyJump(j, 640, 480, rng);
    EXPECT_FLOAT_EQ(j.vy, 0.1f);
    EXPECT_FLOAT_EQ(j.y, 200.1f);
    EXPECT_FLOAT_EQ(j.angle, 0.1f);
    // One full turn at 0.1 a step, then it stops turning.
    int steps = 1;
    while (j.spin != 0 && steps < 1000) {
        moveTrophyJump(j, 640, 480, rng);
        ++steps;
    }
    EXPECT_EQ(steps, 63);
    EXPECT_EQ(j.angle, 0.0f);
    // It reaches the floor and goes back up, at least as fast as -5.
    while (j.vy > 0 && steps < 2000) {
        moveTrophyJump(j, 640, 480, rng);
        ++steps;
    }
    EXPECT_GE(j.y, 480.0f);
    EXPECT_LE(j.vy, -5.0f);
    // At the top of the leap it starts to tumble one way or the other.
    while (j.vy < 0 && steps < 3000) {
        moveTrophyJump(j, 640, 480, rng);
        ++steps;
    }
    EXPECT_FLOAT_EQ(std::abs(j.spin), 0.06f);
}

TEST(TrophyJumps, AWeakBounceGetsAFreshLeapAndTheSidesTurnItBack)
{
    std::mt19937 rng;
    TrophyJump j;
    j.x = 10;
    j.y = 479;
    j.vy = 2;
    j.vx = -20;
    j.spin = 0;
    moveTrophyJump(j, 640, 480, rng);
    EXPECT_GE(j.vy, -9.0f);
    EXPECT_LE(j.vy, -4.5f);
    EXPECT_FLOAT_EQ(j.vx, 20.0f);
    j.x = 630;
    moveTrophyJump(j, 640, 480, rng);
    EXPECT_FLOAT_EQ(j.vx, -20.0f);
}

}
