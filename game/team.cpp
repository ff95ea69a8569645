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

namespace {
// Teams whose members are all dead or held for good are eliminated.
constexpr int teamEliminationVersion = 0x5f002;
}

void Game::killTeamsWithNoFreeMember()
{
    if (playingOlderThan(replayData, teamEliminationVersion))
        return;
    for (Team& team : teams) {
        if (team.members.empty())
            continue;
        std::vector<std::shared_ptr<Player>> members;
        bool anyFree = false;
        for (const auto& m : team.members) {
            auto p = m.lock();
            if (!p)
                continue;
            members.push_back(p);
            if (!p->dead && (!p->held || p->holdTimer != 0))
                anyFree = true;
        }
        if (anyFree)
            continue;
        for (const auto& p : members) {
            if (!p->dead && p->held && p->holdTimer == 0)
                p->die();
        }
    }
}
