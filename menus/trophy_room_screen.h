#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/round_results.h"
#include "menus/menu_press_gate.h"
#include "menus/trophy_jump.h"

class Music;
class Player;

// The result entries the room shows: players that no longer exist are left
// out, and so are entries left with nobody.
std::vector<ScoringEntity> nonEmptyTrophyRows(std::vector<ScoringEntity> entries);

// The results after a round: one row per team or player with a trophy for
// each round won. The new trophies appear after a pause, with a gong (or a
// groan when nobody won); once somebody has the wins needed it is the final
// score, with the trophy music and the champions leaping about. SPACE or a
// bomb button closes it, but only once everything has been revealed.
class TrophyRoom {
public:
    // Stages: waiting, revealed, waiting again, open to SPACE.
    static constexpr int revealStage = 1;
    static constexpr int interactiveStage = 3;

    // Entries without players are left out. Plays the opening beat.
    TrophyRoom(std::vector<ScoringEntity> entries, bool noWinner, std::string message, int width,
               int height);

    void update();
    // Onto the screen bitmap.
    void render();
    bool done() const;

    int stage() const { return stage_; }
    float timer() const { return timer_; }
    bool isFinal() const { return final_; }
    const std::vector<ScoringEntity>& rows() const { return rows_; }
    // The trophies row `i` shows now.
    int trophiesShown(std::size_t i) const;
    // Players get a record when first drawn; champions when they leap.
    std::map<const Player*, TrophyJump> jumps;

private:
    void launchChampions();

    std::vector<ScoringEntity> rows_;
    bool noWinner_;
    std::string message_;
    int width_;
    int height_;
    float timer_ = 1.769f;
    int stage_ = 0;
    bool final_ = false;
    bool done_ = false;
    std::shared_ptr<Music> music_;
    MenuPressGate space_;
};
