#pragma once
#include <allegro5/allegro.h>
#include <memory>
#include <optional>
#include <unordered_set>
#include <variant>
#include <vector>

class Player;
struct Team;

// The winners of a round: teams, or single players. An empty set: nobody won.
using RoundWinners = std::variant<std::unordered_set<Team*>, std::unordered_set<Player*>>;

// One line of a round's result table.
struct ScoringEntity {
    int previousWins = 0;
    int wins = 0;
    std::vector<std::shared_ptr<Player>> players;   // an entry is empty when a member is gone
    std::optional<ALLEGRO_COLOR> teamColour;
};

// Counts the round wins of the winners and builds the result table (one line
// per team or per player, in list order), counting the winners in `winnerCount`.
struct RoundWinAwarder {
    int* winnerCount;
    std::vector<ScoringEntity>* results;
    void operator()(const std::unordered_set<Team*>& winners) const;
    void operator()(const std::unordered_set<Player*>& winners) const;
};
void awardRoundWinToTeams(const std::unordered_set<Team*>& winners, int& winnerCount,
                          std::vector<ScoringEntity>& results);
void awardRoundWinToPlayers(const std::unordered_set<Player*>& winners, int& winnerCount,
                            std::vector<ScoringEntity>& results);
