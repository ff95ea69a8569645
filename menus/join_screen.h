#pragma once
#include <memory>
#include <string>
#include <vector>

#include "frame/vector2.h"
#include "game/replay_data.h"

class Game;

// The player-join screen's state; playerJoinScreen runs it on the screen
// loop. Every controls object of the controls manager has a slot: its fire
// button makes a player, who walks about a small arena of the screen's own
// (a Game that neither plays nor records), may change skin and colour, and in
// the team modes walks into a team's zone to join that team. Building it
// empties the team list and makes the screen's teams; finish() leaves the
// players and teams for the game.
class PlayerJoinScreen {
public:
    PlayerJoinScreen();
    ~PlayerJoinScreen();
    PlayerJoinScreen(const PlayerJoinScreen&) = delete;
    PlayerJoinScreen& operator=(const PlayerJoinScreen&) = delete;

    // The arena, the slots and the team zones for `slotCount` slots (0 or
    // less: one per controls object); the players are left as they are.
    void setup(int slotCount);
    void update();
    void render();
    bool done() const { return cancelled || ready; }
    // Controllers came or went: new slots and zones.
    void controllersChanged() { setup(0); }
    // In the team modes drops the teams nobody joined; sets the number of
    // players. True unless the players left.
    bool finish();

    // Whether the players may start: enough of them and, in the team modes,
    // everyone in a team and two teams with players.
    bool readyToStart() const;
    // The red lines shown while the error timer runs.
    std::vector<std::string> errorLines() const;
    // "Select a team!" or "Waiting for players".
    std::string headline() const;
    // The team whose zone holds the point, -1 for none.
    int zoneAt(int x, int y) const;

    static constexpr int zoneRadius = 64;
    static constexpr int allHoldUpdates = 61;

    PackagedReplayData idleReplay;
    int slotCount = 0;
    int slotsPerRow = 0;
    std::vector<Vector2> slots;   // pixel positions
    std::vector<Vector2> zones;   // one per team
    std::unique_ptr<Game> game;
    int minimumPlayers = 2;
    int teamCount = 2;
    bool teamMode = false;
    bool cancelled = false;
    bool ready = false;
    int allHoldCount = 0;
    int errorTimer = 0;

private:
    void checkReadiness();
    void joinAndLeave();
    void followZones();
    void drawSlots();
    void drawTeams();
    void drawTexts();
};

// At least two teams of the team list have members.
bool atLeastTwoTeamsHavePlayers();
// Removes every team without members, last first; players of later teams
// move down with their team.
void removeMemberlessTeams();
