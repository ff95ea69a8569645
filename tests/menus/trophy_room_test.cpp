// The trophy room headless: its stages by update count, its rows, the
// champions' leaps and how players tumble.
#include <allegro5/allegro.h>

#include <cmath>

#include "game/player.h"
#include "game/round_state.h"
#include "menu_screen_fixture.h"
#include "menus/trophy_jump.h"
#include "menus/trophy_layout.h"
#include "menus/trophy_room_screen.h"

namespace {

class TrophyRoomTest : public MenuScreenTest {
protected:
    void SetUp() override
    {
        MenuScreenTest::SetUp();
        gameOptions.winsNeeded = 3;
        gameOptions.updateRate = 60;
    }
    ScoringEntity entry(int previousWins, int wins, int playerCount = 1)
    {
        ScoringEntity e;
        e.previousWins = previousWins;
        e.wins = wins;
        for (int i = 0; i < playerCount; ++i) {
            players.push_back(std::make_shared<Player>(int(players.size()) + 1, 0, -1, PlayerLook{},
                                                       std::make_shared<ScriptedControls>()));
            e.players.push_back(players.back());
        }
        return e;
    }
    static TrophyRoom room(std::vector<ScoringEntity> entries, bool noWinner = false)
    {
        return TrophyRoom(std::move(entries), noWinner, "", 640, 480);
    }
    // Updates until the room reaches the stage; how many it took.
    static int updatesUntilStage(TrophyRoom& r, int stage)
    {
        int n = 0;
        for (; r.stage() < stage && n < 10000; ++n)
            r.update();
        return n;
    }

    std::vector<std::shared_ptr<Player>> players;
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

    gameOptions.updateRate = 120;
    TrophyRoom twice = room({entry(0, 1)});
    const int first = updatesUntilStage(twice, TrophyRoom::revealStage);
    EXPECT_GE(first, 213) << "twice the rate, twice the updates";
    EXPECT_LE(first, 214);
}

TEST_F(TrophyRoomTest, ABombButtonHeldFromTheRoundMustBeLetGoFirst)
{
    menuControlMode = 2;   // every controller
    auto pad = addController();
    pad->fireDown = true;
    TrophyRoom r = room({entry(0, 1)});
    updatesUntilStage(r, TrophyRoom::interactiveStage);
    run([&] { r.update(); }, 30);
    EXPECT_FALSE(r.done());
    pad->fireDown = false;
    r.update();
    pad->fireDown = true;
    r.update();
    EXPECT_TRUE(r.done());
}

TEST_F(TrophyRoomTest, RoomsThatAreNotFinalKeepTheirTrophiesAndLaunchNobody)
{
    TrophyRoom noWinner = room({entry(2, 2)}, true);
    updatesUntilStage(noWinner, TrophyRoom::interactiveStage);
    EXPECT_EQ(noWinner.trophiesShown(0), 2);

    TrophyRoom r = room({entry(1, 2), entry(0, 0)});
    EXPECT_FALSE(r.isFinal());
    updatesUntilStage(r, TrophyRoom::interactiveStage);
    EXPECT_TRUE(r.jumps.empty());
}

TEST_F(TrophyRoomTest, TheFinalRoomLaunchesTheChampionsOnly)
{
    std::vector<ScoringEntity> entries{entry(2, 3, 2), entry(2, 2)};
    TrophyRoom r = room(entries);
    EXPECT_TRUE(r.isFinal());
    updatesUntilStage(r, TrophyRoom::interactiveStage);
    ASSERT_EQ(r.jumps.size(), 2u);
    for (const auto& p : entries[0].players) {
        const TrophyJump& j = r.jumps.at(p.get());
        EXPECT_FALSE(j.placed()) << "placed where it stands when next drawn";
        EXPECT_GE(j.vx, -2.0f);
        EXPECT_LE(j.vx, 2.0f);
        EXPECT_GE(j.vy, -6.0f);
        EXPECT_LE(j.vy, -3.0f);
        EXPECT_EQ(j.spin, 0.0f);
    }
    EXPECT_EQ(r.jumps.count(entries[1].players[0].get()), 0u);
}

TEST_F(TrophyRoomTest, EntriesWithoutPlayersAreLeftOutAndSlowedPlayersRecover)
{
    ScoringEntity gone;
    gone.wins = 3;
    gone.players = {nullptr};
    ScoringEntity team = entry(0, 1, 2);
    team.players.insert(team.players.begin() + 1, nullptr);
    team.players[0]->slowTimer = 5;
    TrophyRoom r = room({ScoringEntity{}, team, gone});
    ASSERT_EQ(r.rows().size(), 1u);
    EXPECT_EQ(r.rows()[0].players.size(), 2u);
    EXPECT_FALSE(r.isFinal()) << "nobody left with the wins needed";

    updatesUntilStage(r, TrophyRoom::interactiveStage);
    EXPECT_EQ(players[0]->slowTimer, 5) << "only once the room is open";
    run([&] { r.update(); }, 3);
    EXPECT_EQ(players[0]->slowTimer, 2);
    run([&] { r.update(); }, 5);
    EXPECT_EQ(players[0]->slowTimer, 0);
}

TEST(TrophyLayout, RowsScreenSizesAndPlayerPlaces)
{
    for (auto [rows, size] : {std::pair{2, 1}, {5, 1}, {6, 2}, {10, 2}, {11, 3}, {16, 3}, {17, 4}})
        EXPECT_EQ(trophyScreenSizeId(rows), size) << rows;
    // Up to five rows 64 apart about the middle; then spread over the taller
    // screens: 6 rows between 80 and 576, 11 between 48 and 680, 17 between 16 and 944.
    struct Row { int row, rows, height, y; };
    for (Row r : {Row{1, 2, 480, 192}, {2, 2, 480, 256}, {1, 3, 480, 176}, {3, 3, 480, 304}, {1, 6, 640, 162},
                  {6, 6, 640, 576}, {1, 11, 720, 105}, {11, 11, 720, 680}, {1, 17, 960, 70}, {17, 17, 960, 944}})
        EXPECT_EQ(trophyRowY(r.row, r.rows, r.height), r.y) << r.row << " of " << r.rows;

    // Players close up as a row fills.
    EXPECT_EQ(trophyPlayerX(0, 1), 70);
    EXPECT_EQ(trophyPlayerX(1, 2), 81);
    EXPECT_EQ(trophyX(2), 252);
}

TEST(TrophyJumps, APlayerFallsTurnsOnceBouncesAndTheSidesTurnItBack)
{
    std::mt19937 rng;
    TrophyJump j;
    j.x = 100;
    j.y = 200;
    int steps = 0;
    auto moveWhile = [&](auto condition) {
        do {
            moveTrophyJump(j, 640, 480, rng);
            ++steps;
        } while (condition() && steps < 3000);
    };
    moveWhile([] { return false; });
    EXPECT_FLOAT_EQ(j.vy, 0.1f);
    EXPECT_FLOAT_EQ(j.y, 200.1f);
    EXPECT_FLOAT_EQ(j.angle, 0.1f);
    moveWhile([&] { return j.spin != 0; });
    EXPECT_EQ(steps, 63) << "one full turn at 0.1 a step";
    EXPECT_EQ(j.angle, 0.0f);
    moveWhile([&] { return j.vy > 0; });
    EXPECT_GE(j.y, 480.0f);
    EXPECT_LE(j.vy, -5.0f) << "off the floor at least as fast as -5";
    moveWhile([&] { return j.vy < 0; });
    EXPECT_FLOAT_EQ(std::abs(j.spin), 0.06f) << "tumbling from the top of the leap";

    TrophyJump weak;
    weak.x = 10;
    weak.y = 479;
    weak.vy = 2;
    weak.vx = -20;
    moveTrophyJump(weak, 640, 480, rng);
    EXPECT_GE(weak.vy, -9.0f) << "a weak bounce gets a fresh leap";
    EXPECT_LE(weak.vy, -4.5f);
    EXPECT_FLOAT_EQ(weak.vx, 20.0f);
    weak.x = 630;
    moveTrophyJump(weak, 640, 480, rng);
    EXPECT_FLOAT_EQ(weak.vx, -20.0f);
}

}
