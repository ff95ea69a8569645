#pragma once
#include <optional>
#include <vector>

#include "session/replay_header.h"

// The players and teams of a session, built at its start.

// How many teams a quick-started game of the live mode and player count has:
// 2, in Battle Royale one per three players (at most one per team colour), in
// King of the Hill one per three players up to 4.
int sessionTeamCount();

// Teams 0 .. count - 1 with the team colours, replacing the team list.
void createTeams(int count);

// Appends `numPlayers` players to the player list, with their default looks
// and the controls in turn. From a replay's records (`version` set) they take
// the recorded numbers, teams, looks and coins as the replay's version holds
// them; a quick start puts player i in team i modulo the team count.
void createPlayers(const std::vector<PlayerSetupRecord>& records, std::optional<int> version, int teamCount);

// Snake Hunter: two teams, every player a hunter in team 0; the computer
// snakes join team 1.
void formSnakeHunterTeams();
