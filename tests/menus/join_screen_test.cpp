#include <gtest/gtest.h>

#include <allegro5/allegro.h>

#include "frame/app_globals.h"
#include "frame/game_ids.h"
#include "frame/screen_size.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "menu_fixture.h"
#include "menus/join_screen.h"

namespace {

// The join screen without a display: the four keyboard layouts (slots 0 to 3;
// layout 0 fires with right Ctrl) and scripted controllers after them.
class JoinScreen : public MenuFixture {
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        resetRoundState();
        savedColours = colours;
        colours.assign(10, RGB{200, 100, 50});
        makeControls();
    }
    void TearDown() override
    {
        screen.reset();
        resetRoundState();
        colours = savedColours;
        MenuFixture::TearDown();
    }

    PlayerJoinScreen& open(int mode)
    {
        gameOptions.gameMode = mode;
        screen = std::make_unique<PlayerJoinScreen>();
        return *screen;
    }
    void update(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            screen->update();
    }
    // `n` controllers, plugged in together, each pressing fire once: players join.
    std::vector<std::shared_ptr<ScriptedControls>> joinAll(int n)
    {
        std::vector<std::shared_ptr<ScriptedControls>> pads;
        for (int i = 0; i < n; ++i)
            pads.push_back(addController());
        screen->controllersChanged();
        for (auto& pad : pads) {
            pad->fireDown = true;
            update();
            pad->fireDown = false;
        }
        update();
        return pads;
    }
    // Holds fire (or button 2) of the pad for one update.
    void tapPad(const std::shared_ptr<ScriptedControls>& pad, bool ScriptedControls::*button)
    {
        (*pad).*button = true;
        update();
        (*pad).*button = false;
    }
    void press(int key)
    {
        held = {key};
        update();
        held.clear();
        update();
    }
    void pressSpace() { press(ALLEGRO_KEY_SPACE); }
    std::shared_ptr<Player> playerOf(const std::shared_ptr<Controls>& c)
    {
        for (const auto& p : player)
            if (p->controls == c)
                return p;
        return nullptr;
    }
    // Stands the player in the zone of `team` (or far from every zone for -1).
    void standIn(const std::shared_ptr<Player>& p, int team)
    {
        const Vector2 at = team < 0 ? Vector2{screenWidth / 2, 150} : screen->zones.at(std::size_t(team));
        p->x = at.x - 16;
        p->y = at.y - 16;
    }

    std::unique_ptr<PlayerJoinScreen> screen;
    std::vector<RGB> savedColours;
};

TEST_F(JoinScreen, ClassicNeedsTwoPlayersAndSaysSoForFiveSeconds)
{
    open(GameMode::Classic);
    joinAll(1);
    ASSERT_EQ(player.size(), 1u);
    EXPECT_EQ(player[0]->num, 4) << "the first free number from the slot's index";
    EXPECT_EQ(gameOptions.numPlayers, 1);
    pressSpace();
    EXPECT_FALSE(screen->done());
    EXPECT_EQ(screen->errorTimer, 5 * gameOptions.updateRate);
    EXPECT_EQ(screen->errorLines(), (std::vector<std::string>{"Need at least 2 players!"}));
    EXPECT_EQ(screen->headline(), "Waiting for players");

    press(ALLEGRO_KEY_RCTRL);
    ASSERT_EQ(player.size(), 2u);
    EXPECT_EQ(player[1]->num, 0);
    ASSERT_EQ(screen->zones.size(), 2u);
    standIn(player[0], 0);
    pressSpace();
    EXPECT_TRUE(screen->done());
    EXPECT_TRUE(screen->finish());
    EXPECT_EQ(gameOptions.numPlayers, 2);
    for (const auto& p : player)
        EXPECT_EQ(p->team, -1) << "no teams outside the team modes";
}

TEST_F(JoinScreen, SnakeHunterStartsAloneAndBattleRoyaleNeedsThree)
{
    open(GameMode::SnakeHunter);
    joinAll(1);
    pressSpace();
    EXPECT_TRUE(screen->done());
    screen.reset();
    resetRoundState();

    open(GameMode::BattleRoyale);
    EXPECT_EQ(teams.size(), 10u) << "one team per team colour";
    auto pads = joinAll(3);
    for (int i = 0; i < 3; ++i)
        standIn(playerOf(pads[std::size_t(i)]), i);
    tapPad(pads[2], &ScriptedControls::button2Down);
    pressSpace();
    EXPECT_FALSE(screen->done());
    EXPECT_EQ(screen->errorLines(), (std::vector<std::string>{"Need at least 3 players!"}));
    tapPad(pads[2], &ScriptedControls::fireDown);
    standIn(playerOf(pads[2]), 2);
    update();
    EXPECT_EQ(screen->headline(), "Select a team!");
    pressSpace();
    EXPECT_TRUE(screen->done());

    // Ten zones on the narrow arena overlap: the nearer one wins, the first of two as near.
    std::size_t t = 0;
    while ((screen->zones[t + 1].x - screen->zones[t].x) % 2 != 0)
        ++t;
    const Vector2 left = screen->zones[t];
    const Vector2 right = screen->zones[t + 1];
    ASSERT_LT(right.x - left.x, 2 * PlayerJoinScreen::zoneRadius);
    const int middle = (left.x + right.x) / 2;
    EXPECT_EQ(screen->zoneAt(middle, left.y), int(t));
    EXPECT_EQ(screen->zoneAt(middle + 1, left.y), int(t + 1));
}

TEST_F(JoinScreen, ZonesTakeNobodyOutsideTheTeamModes)
{
    // Their zones are not drawn and their replays hold no teams; in Snake
    // Hunter team 1 is the computer snakes'.
    for (int mode : {GameMode::SnakeHunter, GameMode::Deathmatch}) {
        SCOPED_TRACE(mode);
        open(mode);
        auto pads = joinAll(2);
        standIn(playerOf(pads[0]), 1);
        standIn(playerOf(pads[1]), 0);
        update();
        for (const auto& p : player)
            EXPECT_EQ(p->team, -1);
        for (const Team& team : teams)
            EXPECT_TRUE(team.members.empty());
        EXPECT_TRUE(screen->finish());
        EXPECT_EQ(playerOf(pads[0])->team, -1);
        screen.reset();
        player.clear();
        resetRoundState();
    }
}

TEST_F(JoinScreen, CaptureTheFlagWantsEveryoneInATeamAndTwoTeams)
{
    open(GameMode::CaptureTheFlag);
    ASSERT_EQ(screen->zones.size(), 4u);
    auto pads = joinAll(2);
    auto a = playerOf(pads[0]);
    auto b = playerOf(pads[1]);
    standIn(a, -1);
    standIn(b, -1);
    pressSpace();
    EXPECT_FALSE(screen->done());
    EXPECT_EQ(screen->errorLines(),
              (std::vector<std::string>{"Not all players have chosen a team!", "Not all players have chosen a team!",
                                        "At least 2 teams must have players!"}));
    standIn(a, 1);
    standIn(b, 1);
    pressSpace();
    EXPECT_EQ(a->team, 1);
    EXPECT_EQ(screen->errorLines(), (std::vector<std::string>{"At least 2 teams must have players!"}));
    standIn(b, 3);
    pressSpace();
    EXPECT_FALSE(screen->done()) << "the team is taken after the readiness test";
    pressSpace();
    EXPECT_TRUE(screen->done());
    EXPECT_EQ(teams[3].members.size(), 1u);
    EXPECT_TRUE(teams[1].members.front().lock() == a);
}

TEST_F(JoinScreen, EveryoneHoldingFireForSixtyOneUpdatesStarts)
{
    open(GameMode::Classic);
    auto pads = joinAll(4);
    for (auto& pad : pads)
        pad->fireDown = true;
    update(60);
    EXPECT_FALSE(screen->done());
    pads[2]->fireDown = false;
    update();
    pads[2]->fireDown = true;
    update(60);
    EXPECT_FALSE(screen->done()) << "letting go starts the count again";
    update();
    EXPECT_TRUE(screen->done());
    EXPECT_EQ(screen->errorTimer, 0);
}

TEST_F(JoinScreen, NumbersAreTheLowestFreeFromTheSlotOn)
{
    open(GameMode::Classic);
    auto a = addController();   // slot 4
    auto b = addController();   // slot 5
    screen->controllersChanged();
    tapPad(b, &ScriptedControls::fireDown);
    EXPECT_EQ(playerOf(b)->num, 5);

    // A is dropped by the manager: B moves to slot 4, a new C takes slot 5.
    auto& list = controlsManager->controls;
    list.erase(list.begin() + 4);
    auto c = addController();
    screen->controllersChanged();
    tapPad(c, &ScriptedControls::fireDown);
    EXPECT_EQ(playerOf(c)->num, 6);
    tapPad(b, &ScriptedControls::button2Down);
    EXPECT_EQ(playerOf(b), nullptr);
    tapPad(b, &ScriptedControls::fireDown);
    EXPECT_EQ(playerOf(b)->num, 4);
    EXPECT_EQ(player.size(), 2u);

    // Controls that are no longer active take their player with them.
    c->active = false;
    update();
    EXPECT_EQ(playerOf(c), nullptr);
}

TEST_F(JoinScreen, TeamsNobodyJoinedGoAndLaterTeamsMoveDown)
{
    open(GameMode::CaptureTheFlag);
    auto pads = joinAll(3);
    for (int i = 0; i < 3; ++i)
        standIn(playerOf(pads[std::size_t(i)]), i == 0 ? 0 : 2);
    update();
    EXPECT_TRUE(screen->finish());
    ASSERT_EQ(teams.size(), 2u) << "[A, empty, B] keeps A and B";
    const auto b = playerOf(pads[1]);
    EXPECT_EQ(playerOf(pads[0])->team, 0);
    EXPECT_EQ(b->team, 1);
    EXPECT_EQ(playerOf(pads[2])->team, 1);
    EXPECT_EQ(teams[1].members.size(), 2u);
    EXPECT_TRUE(teams[1].members.front().lock() == b);
}

TEST_F(JoinScreen, EachEmptyTeamThatGoesMovesOnlyTheTeamsAfterItDown)
{
    open(GameMode::CaptureTheFlag);
    auto pads = joinAll(2);
    const auto a = playerOf(pads[0]);
    const auto b = playerOf(pads[1]);
    standIn(a, 1);
    standIn(b, 3);
    update();
    EXPECT_TRUE(screen->finish());
    ASSERT_EQ(teams.size(), 2u) << "[empty, A, empty, B] keeps A and B";
    EXPECT_EQ(a->team, 0);
    EXPECT_EQ(b->team, 1);
    EXPECT_TRUE(teams[1].members.front().lock() == b);
}

TEST_F(JoinScreen, APlayerWhoLeavesLeavesTheTeamToo)
{
    open(GameMode::KingOfTheHill);
    auto pads = joinAll(2);
    standIn(playerOf(pads[0]), 0);
    standIn(playerOf(pads[1]), 1);
    update();
    EXPECT_TRUE(atLeastTwoTeamsHavePlayers());
    // Held on to elsewhere, the player who leaves still leaves the team.
    const auto leaving = playerOf(pads[1]);
    pads[1]->button2Down = true;
    update();
    EXPECT_TRUE(teams[1].members.empty());
    EXPECT_FALSE(atLeastTwoTeamsHavePlayers());
}

TEST_F(JoinScreen, MoreThanSixSlotsInATeamModeWidenTheArena)
{
    open(GameMode::CaptureTheFlag);
    EXPECT_EQ(screenWidth, 27 * 32);
    joinAll(3);
    EXPECT_EQ(screenWidth, 31 * 32) << "seven slots";
    ASSERT_EQ(screen->slots.size(), 7u);
    EXPECT_EQ(player.size(), 3u) << "the players stay";
    EXPECT_EQ(teams.size(), 4u);
}

TEST_F(JoinScreen, SlotsAndZonesFollowTheControllers)
{
    open(GameMode::CaptureTheFlag);
    // Four slots on a 27-cell arena: (864 - 64) / 5 = 160 apart.
    ASSERT_EQ(screen->slots.size(), 4u);
    EXPECT_EQ(screen->slots[1], (Vector2{320, 48}));
    EXPECT_EQ(screen->zones[0], (Vector2{108, 15 * 32 - 64}));
    joinAll(1);
    addController();
    screen->controllersChanged();
    EXPECT_EQ(screenWidth, 27 * 32) << "six slots still fit";
    addController();
    screen->controllersChanged();
    // Seven slots, more than six in a team mode: a 31-cell arena, ten a row.
    ASSERT_EQ(screen->slots.size(), 7u);
    EXPECT_EQ(screen->slots[6], (Vector2{7 * ((31 * 32 - 64) / 8), 48}));

    // Within 64 pixels of a zone's centre only.
    const Vector2 zone = screen->zones[1];
    EXPECT_EQ(screen->zoneAt(zone.x + 63, zone.y), 1);
    EXPECT_EQ(screen->zoneAt(zone.x, zone.y - 64), -1);
}

}
