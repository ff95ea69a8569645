#include "game/team.h"

#include <algorithm>
#include <functional>

#include "game/game.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"

Team::Team(Vector2 home_, Vector2 inwardStep_) : home(home_), inwardStep(inwardStep_) {}

void Team::addPlayer(const std::shared_ptr<Player>& p)
{
    members.push_back(p);
}

void Team::removePlayer(const std::shared_ptr<Player>& p)
{
    if (!p)
        return;
    auto it = std::find_if(members.begin(), members.end(),
                           [&](const std::weak_ptr<Player>& m) { return m.lock() == p; });
    if (it != members.end())
        members.erase(it);
}

void Team::removeExpiredPlayers()
{
    std::erase_if(members, [](const std::weak_ptr<Player>& m) { return m.expired(); });
}

void Team::addScoreNow(int n)
{
    score += n;
    displayedScore += n;
}

void Team::resetRoundTally()
{
    killScore = 0;
    displayedScore = 0;
}

void Team::addScore(int n, Game& game, const std::shared_ptr<Player>& scorer)
{
    score += n;
    game.addScoreToast(n, scorer, teamIndexOf(this));
}

int teamIndexOf(const Team* team)
{
    std::less<const Team*> before;
    if (!team || teams.empty() || before(team, teams.data()) ||
        !before(team, teams.data() + teams.size()))
        return -1;
    return int(team - teams.data());
}

Team* teamAt(int index)
{
    if (index < 0 || index >= int(teams.size()))
        return nullptr;
    return &teams[std::size_t(index)];
}

bool isFreeMember(const Player& p)
{
    return !p.dead && (!p.held || p.holdTimer != 0);
}

bool hasFreeMember(const Team& team)
{
    for (const auto& m : team.members) {
        if (auto p = m.lock(); p && isFreeMember(*p))
            return true;
    }
    return false;
}

namespace {
// Teams whose members are all dead or held for good are eliminated.
constexpr int teamEliminationVersion = 0x5f002;
}

void Game::killTeamsWithNoFreeMember()
{
    if (playingOlderThan(replayData, teamEliminationVersion))
        return;
    for (Team& team : teams) {
        if (team.members.empty() || hasFreeMember(team))
            continue;
        // Nobody can rescue the held members: they die now.
        std::vector<std::shared_ptr<Player>> hopeless;
        for (const auto& m : team.members) {
            if (auto p = m.lock(); p && !p->dead)
                hopeless.push_back(p);
        }
        for (const auto& p : hopeless)
            p->die();
    }
}
