#pragma once
#include <allegro5/allegro.h>
#include <memory>
#include <vector>

#include "frame/vector2.h"

class Game;
class Player;

// A team of players in the team modes. Players keep their team's index in `team`.
struct Team {
    Team(Vector2 home, Vector2 inwardStep);

    void addPlayer(const std::shared_ptr<Player>& p);
    void removePlayer(const std::shared_ptr<Player>& p);
    void removeExpiredPlayers();
    // Raises the score and the score shown at once.
    void addScoreNow(int n);
    // Raises the score at once; the score shown follows when the score toast
    // from the scorer lands on the team's home cell.
    void addScore(int n, Game& game, const std::shared_ptr<Player>& scorer);
    int getScore() const { return score; }

    int score = 0;
    int displayedScore = 0;
    int roundWins = 0;
    Vector2 home;
    Vector2 inwardStep;
    ALLEGRO_COLOR colour{1, 1, 1, 1};
    std::vector<std::weak_ptr<Player>> members;
};

// A member is free while alive and not held, or held with a hold that runs
// out by itself (a held player with `holdTimer` 0 waits for a rescue).
bool isFreeMember(const Player& p);
bool hasFreeMember(const Team& team);

// The index of `team` in `teams`, -1 when it is not there.
int teamIndexOf(const Team* team);
// The team at `index`, or null when the index lies outside the list.
Team* teamAt(int index);
