#include "game/round_results.h"

#include "frame/game_ids.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"

namespace {

// The teams with the highest score of at least 1. A team's score for the
// round counts its kill points too: what the players saw decides it.
std::unordered_set<Team*> highestScoringTeams()
{
    std::unordered_set<Team*> winners;
    int best = 1;
    for (Team& team : teams) {
        const int score = team.roundScore();
        if (score > best) {
            winners.clear();
            best = score;
        }
        if (score >= best)
            winners.insert(&team);
    }
    return winners;
}

// The first team, in list order, with a member who is alive and not held.
std::unordered_set<Team*> lastStandingTeam()
{
    for (Team& team : teams) {
        for (const auto& member : team.members) {
            auto p = member.lock();
            if (p && !p->dead && !p->held)
                return {&team};
        }
    }
    return {};
}

// Every player with the highest kill count, unless everybody has it.
std::unordered_set<Player*> topKillers()
{
    std::unordered_set<Player*> winners;
    int best = 0;
    bool first = true;
    for (const auto& p : player) {
        if (p && (first || p->kills > best)) {
            best = p->kills;
            first = false;
        }
    }
    for (const auto& p : player) {
        if (p && p->kills == best)
            winners.insert(p.get());
    }
    if (winners.size() == player.size())
        winners.clear();
    return winners;
}

std::unordered_set<Player*> survivors()
{
    std::unordered_set<Player*> winners;
    for (const auto& p : player) {
        if (p && !p->dead)
            winners.insert(p.get());
    }
    return winners;
}

}

// Who won the round, by the mode number itself: in Everything the teams with
// the best score win, whichever modes it combines.
RoundWinners Game::getRoundWinners() const
{
    switch (gameOptions.gameMode) {
    case GameMode::CaptureTheFlag:
    case GameMode::KingOfTheHill:
    case GameMode::Everything:
        return highestScoringTeams();
    case GameMode::BattleRoyale:
        return lastStandingTeam();
    case GameMode::SnakeHunter: {
        // The hunters win once no computer snake is left to come or alive.
        Team* winner = teamAt(allAiSnakesDefeated(*this) ? 0 : 1);
        if (!winner)
            return std::unordered_set<Team*>{};
        return std::unordered_set<Team*>{winner};
    }
    case GameMode::Deathmatch:
        return topKillers();
    default:
        return survivors();
    }
}

void awardRoundWinToTeams(const std::unordered_set<Team*>& winners, int& winnerCount,
                          std::vector<ScoringEntity>& results)
{
    for (Team& team : teams) {
        ScoringEntity line;
        line.previousWins = team.roundWins;
        if (winners.count(&team)) {
            team.roundWins += 1;
            winnerCount += 1;
        }
        line.wins = team.roundWins;
        for (const auto& member : team.members)
            line.players.push_back(member.lock());
        line.teamColour = team.colour;
        results.push_back(std::move(line));
    }
}

void awardRoundWinToPlayers(const std::unordered_set<Player*>& winners, int& winnerCount,
                            std::vector<ScoringEntity>& results)
{
    for (const auto& p : player) {
        if (!p)
            continue;
        ScoringEntity line;
        line.previousWins = p->roundWins;
        if (winners.count(p.get())) {
            p->roundWins += 1;
            winnerCount += 1;
        }
        line.wins = p->roundWins;
        line.players.push_back(p);
        results.push_back(std::move(line));
    }
}

void RoundWinAwarder::operator()(const std::unordered_set<Team*>& winners) const
{
    awardRoundWinToTeams(winners, *winnerCount, *results);
}

void RoundWinAwarder::operator()(const std::unordered_set<Player*>& winners) const
{
    awardRoundWinToPlayers(winners, *winnerCount, *results);
}
