#include "session/session_players.h"

#include <algorithm>

#include "controls/controls_manager.h"
#include "frame/app_globals.h"
#include "frame/game_ids.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/colour.h"

namespace {

// Replays from these versions on carry the players' looks, and their coins.
constexpr int replayLooksVersion = 0x5f005;
constexpr int replayCoinsVersion = 0x1000002;

std::shared_ptr<Controls> controlsForPlayer(int i)
{
    if (!controlsManager || controlsManager->controls.empty())
        return nullptr;
    return controlsManager->controls[std::size_t(i) % controlsManager->controls.size()];
}

}

int sessionTeamCount()
{
    const int perThree = gameOptions.numPlayers / 3;
    switch (gameOptions.gameMode) {
    case GameMode::BattleRoyale:
        if (int(colours.size()) < perThree)
            return int(colours.size());
        return std::max(perThree, 2);
    case GameMode::KingOfTheHill:
        return perThree > 4 ? 4 : std::max(perThree, 2);
    default:
        return 2;
    }
}

void createTeams(int count)
{
    for (Team& team : teams)
        team.members.clear();
    teams.clear();
    for (int i = 0; i < count; ++i) {
        teams.emplace_back(Vector2{}, Vector2{});
        if (std::size_t(i) < colours.size())
            teams.back().colour = toColour(colours[std::size_t(i)]);
    }
}

void createPlayers(const std::vector<PlayerSetupRecord>& records, std::optional<int> version, int teamCount)
{
    const int mode = gameOptions.gameMode;
    for (int i = 0; i < gameOptions.numPlayers; ++i) {
        PlayerLook look = playerLookForIndex(i);
        int team = -1;
        int number = i;
        int coins = 0;
        if (version && std::size_t(i) < records.size()) {
            const PlayerSetupRecord& record = records[std::size_t(i)];
            number = record.number;
            team = record.team;
            if (*version >= replayLooksVersion || isTeamMode(mode))
                look = record.look;
            if (*version >= replayCoinsVersion)
                coins = record.coins;
        } else if (!version && teamCount > 0 && isTeamMode(mode)) {
            team = i % teamCount;
        }
        auto p = std::make_shared<Player>(number, coins, team, look, controlsForPlayer(i));
        player.push_back(p);
        if (Team* t = teamAt(team))
            t->addPlayer(p);
    }
}

void formSnakeHunterTeams()
{
    if (teams.size() > 2)
        teams.erase(teams.begin() + 2, teams.end());
    while (teams.size() < 2)
        teams.emplace_back(Vector2{}, Vector2{});
    for (const auto& p : player)
        teams[0].addPlayer(p);
}
