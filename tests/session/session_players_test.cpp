#include <gtest/gtest.h>

#include <allegro5/allegro.h>

#include "frame/game_ids.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/player_look.h"
#include "session/session_players.h"
#include "support/allegro_environment.h"

namespace {

class SessionPlayers : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureAllegroSystem();
        resetRoundState();
        gameOptions = GameOptions{};
        gameOptions.numPlayers = 2;
    }
    void TearDown() override
    {
        resetRoundState();
        gameOptions = GameOptions{};
    }

    // Two records whose looks and coins differ from those of the players'
    // places, in teams 1 and 0.
    static std::vector<PlayerSetupRecord> records()
    {
        std::vector<PlayerSetupRecord> r(2);
        for (int i = 0; i < 2; ++i) {
            r[std::size_t(i)].number = 5 + i;
            r[std::size_t(i)].team = 1 - i;
            r[std::size_t(i)].look.head = 7 + i;
            r[std::size_t(i)].look.colour = al_map_rgb(10 + i, 20, 30);
            r[std::size_t(i)].coins = 40 + i;
        }
        return r;
    }

    // The players of a replay of `version` in `mode`: whether each has its
    // recorded look (rather than that of its place), and its coins.
    struct Built {
        std::vector<bool> recordedLook;
        std::vector<int> coins;
    };
    Built build(int mode, int version)
    {
        resetRoundState();
        gameOptions.gameMode = mode;
        createTeams(2);
        const auto r = records();
        createPlayers(r, version, 0);
        Built built;
        for (std::size_t i = 0; i < player.size(); ++i) {
            const PlayerLook& look = player[i]->look;
            if (look == r[i].look)
                built.recordedLook.push_back(true);
            else if (look == playerLookForIndex(int(i)))
                built.recordedLook.push_back(false);
            else
                ADD_FAILURE() << "player " << i << " has neither look";
            built.coins.push_back(player[i]->coins);
        }
        return built;
    }
};

// From 0.95.5 on every replay gives the players their recorded looks; before
// that only the team modes' records do, and the others keep the looks of
// their places.
TEST_F(SessionPlayers, AReplayRestoresTheRecordedLooksInTeamModesAndFromTheLooksVersionOn)
{
    struct Case {
        int mode;
        int version;
        bool recordedLook;
    };
    for (const Case& c : {Case{GameMode::Classic, 0x5f004, false}, Case{GameMode::Classic, 0x5f005, true},
                          Case{GameMode::SnakeHunter, 0x5f005, true}, Case{GameMode::SnakeHunter, 0x1000002, true},
                          Case{GameMode::BattleRoyale, 8, true}, Case{GameMode::BattleRoyale, 0x5f004, true},
                          Case{GameMode::BattleRoyale, 0x5f005, true}, Case{GameMode::CaptureTheFlag, 8, true}}) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " version " << std::hex << c.version);
        const Built built = build(c.mode, c.version);
        EXPECT_EQ(built.recordedLook, (std::vector<bool>{c.recordedLook, c.recordedLook}));
        // Coins come with 1.0.2.
        EXPECT_EQ(built.coins, c.version >= 0x1000002 ? (std::vector{40, 41}) : (std::vector{0, 0}));
        ASSERT_EQ(player.size(), 2u);
        EXPECT_EQ((std::vector{player[0]->num, player[1]->num, player[0]->team, player[1]->team}),
                  (std::vector{5, 6, 1, 0}));
        EXPECT_EQ(teams[1].members.size(), 1u);
    }
}

// Without a replay the players take the looks of their places, and in team
// modes team i modulo the team count.
TEST_F(SessionPlayers, AQuickStartDealsTheTeamsInTurnInTeamModesOnly)
{
    gameOptions.numPlayers = 3;
    for (int mode : {GameMode::Classic, GameMode::KingOfTheHill}) {
        SCOPED_TRACE(mode);
        resetRoundState();
        gameOptions.gameMode = mode;
        createTeams(2);
        createPlayers({}, std::nullopt, 2);
        ASSERT_EQ(player.size(), 3u);
        const bool teamMode = mode != GameMode::Classic;
        for (int i = 0; i < 3; ++i) {
            const Player& p = *player[std::size_t(i)];
            EXPECT_EQ(p.num, i);
            EXPECT_TRUE(p.look == playerLookForIndex(i)) << i;
            EXPECT_EQ(p.team, teamMode ? i % 2 : -1) << i;
        }
        EXPECT_EQ(teams[0].members.size(), teamMode ? 2u : 0u);
    }
}

}
