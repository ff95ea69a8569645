#include "game/round_results.h"

#include "game/game.h"

// Round winners by mode and the result table.
RoundWinners Game::getRoundWinners() const
{
    return std::unordered_set<Player*>{};
}

void awardRoundWinToTeams(const std::unordered_set<Team*>&, int&, std::vector<ScoringEntity>&) {}
void awardRoundWinToPlayers(const std::unordered_set<Player*>&, int&, std::vector<ScoringEntity>&) {}

void RoundWinAwarder::operator()(const std::unordered_set<Team*>& winners) const
{
    awardRoundWinToTeams(winners, *winnerCount, *results);
}

void RoundWinAwarder::operator()(const std::unordered_set<Player*>& winners) const
{
    awardRoundWinToPlayers(winners, *winnerCount, *results);
}
