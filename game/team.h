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
    // What the team earned this round: its score and its kill points. It is
    // the number the team's score display comes to once every score toast
    // has landed, and it decides the round in the scored team modes.
    int roundScore() const { return score + killScore; }
    // A new round: no kill points and nothing shown. The score itself starts
    // again with the team's base (the arena set-up).
    void resetRoundTally();

    // Captures and the hill. A capture writes it to the replay and its
    // verify text, so kill points stay out of it.
    int score = 0;
    // Kill points of the Everything mode (its kills pay the killer's team).
    int killScore = 0;
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
