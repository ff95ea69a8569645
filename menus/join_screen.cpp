#include "menus/join_screen.h"

#include <algorithm>
#include <allegro5/allegro.h>
#include <fmt/format.h>

#include "controls/controls_manager.h"
#include "frame/app_globals.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "frame/screen_size.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/colour.h"
#include "media/no_music.h"
#include "media/player_look.h"
#include "menus/key_log.h"
#include "menus/menu_input.h"
#include "menus/pause_menu.h"
#include "session/arena_setup.h"

namespace {

// Players needed to start, by game mode.
int minimumPlayersFor(int mode)
{
    switch (mode) {
    case GameMode::BattleRoyale: return 3;
    case GameMode::SnakeHunter: return 1;
    default: return 2;
    }
}

// Teams the screen offers, by game mode; the team colours cap them.
int teamCountFor(int mode)
{
    switch (mode) {
    case GameMode::CaptureTheFlag:
    case GameMode::KingOfTheHill:
    case GameMode::Everything:
        return 4;
    case GameMode::BattleRoyale:
    case GameMode::SnakeHunter:
        return int(colours.size());
    default:
        return 2;
    }
}

struct ArenaChoice {
    int sizeId;
    int slotsPerRow;
};

// A bigger arena, with more slots to a row, for more controls.
ArenaChoice arenaFor(int slots, bool teamMode)
{
    if (slots >= 40)
        return {6, 16};
    if (slots > (teamMode ? 20 : 30))
        return {5, 13};
    if (slots > (teamMode ? 6 : 12))
        return {4, 10};
    return {3, 6};
}

void leaveTeam(const std::shared_ptr<Player>& p)
{
    if (Team* team = teamAt(p->team))
        team->removePlayer(p);
}

// Leaving players leave their team too, so a team they alone were in counts
// as empty again.
void removePlayer(const std::shared_ptr<Player>& p)
{
    leaveTeam(p);
    std::erase(player, p);
}

bool numberTaken(int number)
{
    return std::any_of(player.begin(), player.end(), [&](const auto& p) { return p->num == number; });
}

std::shared_ptr<Player> holderOf(const std::shared_ptr<Controls>& controls)
{
    auto it = std::find_if(player.begin(), player.end(), [&](const auto& p) { return p->controls == controls; });
    return it == player.end() ? nullptr : *it;
}

}

PlayerJoinScreen::PlayerJoinScreen()
{
    log("playerJoinScreen\n");
    const int mode = gameOptions.gameMode;
    minimumPlayers = minimumPlayersFor(mode);
    teamCount = teamCountFor(mode);
    teamMode = isTeamMode(mode);
    for (Team& team : teams)
        team.members.clear();
    teams.clear();
    setup(0);
    log("playerJoinScreen: create dmGS\n");
    game = std::make_unique<Game>(false, idleReplay);
}

PlayerJoinScreen::~PlayerJoinScreen() = default;

void PlayerJoinScreen::setup(int count)
{
    log("playerJoinScreen: setup\n");
    if (count <= 0)
        count = controlsManager ? int(controlsManager->controls.size()) : 0;
    slotCount = count;
    const ArenaChoice arena = arenaFor(count, teamMode);
    slotsPerRow = arena.slotsPerRow;

    log("playerJoinScreen: dmGS\n");
    game = std::make_unique<Game>(false, idleReplay);
    log("playerJoinScreen: grid\n");
    setupArena(ArenaSizeTable.at(arena.sizeId), idleReplay, *game, true);

    const int w = screenWidth;
    const float spacing = float((w - 64) / (std::min(slotsPerRow, count) + 1));
    slots.clear();
    for (int k = 0; k < count; ++k)
        slots.push_back({int(float(k % slotsPerRow + 1) * spacing), (k / slotsPerRow) * 128 + 48});

    if (teams.empty()) {
        const int made = std::min(teamCount, int(colours.size()));
        for (int t = 0; t < made; ++t) {
            teams.emplace_back(Vector2{}, Vector2{});
            teams.back().colour = toColour(colours[std::size_t(t)]);
        }
    }
    zones.clear();
    const int teamTotal = int(teams.size());
    for (int t = 0; t < teamTotal; ++t)
        zones.push_back({((2 * t + 1) * w) / (2 * teamTotal), screenHeight - 64});
}

void PlayerJoinScreen::update()
{
    logKeyChanges();
    // A closed window leaves the screen as a quit would.
    if (quitRequested) {
        cancelled = true;
        return;
    }
    if (pauseRequested()) {
        if (pauseMenu(std::make_shared<NoMusic>(), true)) {
            cancelled = true;
            return;
        }
    } else {
        checkReadiness();
    }

    std::vector<std::shared_ptr<Player>> gone;
    for (const auto& p : player) {
        if (!p->controls || !p->controls->isActive())
            gone.push_back(p);
    }
    for (const auto& p : gone)
        removePlayer(p);
    joinAndLeave();
    gameOptions.numPlayers = int(player.size());

    for (const auto& p : std::vector<std::shared_ptr<Player>>(player))
        p->update(idleReplay, game.get(), true);
    followZones();
    game->updateBombs();
    game->updateExplosions();
}

void PlayerJoinScreen::checkReadiness()
{
    const bool space = isMenuInputPressed(ALLEGRO_KEY_SPACE, 0, false);
    if (!space) {
        // Nobody to hold anything yet: no count towards a start.
        const bool everyoneHolds =
            !player.empty() && std::all_of(player.begin(), player.end(), [](const auto& p) {
                return p->controls && p->controls->fire();
            });
        allHoldCount = everyoneHolds ? allHoldCount + 1 : 0;
    }
    if (space || allHoldCount >= allHoldUpdates) {
        ready = readyToStart();
        if (!ready)
            errorTimer = 5 * gameOptions.updateRate;
    }
}

void PlayerJoinScreen::joinAndLeave()
{
    if (!controlsManager)
        return;
    const auto& list = controlsManager->controls;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::shared_ptr<Controls>& controls = list[i];
        if (!controls)
            continue;
        if (auto holder = holderOf(controls)) {
            if (controls->button2())
                removePlayer(holder);
            continue;
        }
        if (!controls->fire())
            continue;
        int number = int(i);
        while (numberTaken(number))
            ++number;
        auto p = std::make_shared<Player>(number, 0, -1, playerLookForIndex(int(i)), controls);
        if (i < slots.size()) {
            p->x = slots[i].x;
            p->y = slots[i].y;
        }
        player.push_back(p);
        p->resetForRound(true);
    }
}

int PlayerJoinScreen::zoneAt(int x, int y) const
{
    int best = -1;
    int bestDistance = zoneRadius * zoneRadius;
    for (std::size_t t = 0; t < zones.size(); ++t) {
        const int dx = x - zones[t].x;
        const int dy = y - zones[t].y;
        const int distance = dx * dx + dy * dy;
        if (distance < bestDistance) {
            best = int(t);
            bestDistance = distance;
        }
    }
    return best;
}

// Zones count only in the team modes, where they are shown: elsewhere a
// player keeps no team, as a replay of the game will have it.
void PlayerJoinScreen::followZones()
{
    if (!teamMode)
        return;
    for (const auto& p : player) {
        const int zone = zoneAt(p->x + 16, p->y + 16);
        if (zone == p->team)
            continue;
        leaveTeam(p);
        if (Team* team = teamAt(zone))
            team->addPlayer(p);
        p->team = zone;
    }
}

bool PlayerJoinScreen::readyToStart() const
{
    if (int(player.size()) < minimumPlayers)
        return false;
    if (!teamMode)
        return true;
    const bool everyoneInATeam =
        std::all_of(player.begin(), player.end(), [](const auto& p) { return teamAt(p->team) != nullptr; });
    return everyoneInATeam && atLeastTwoTeamsHavePlayers();
}

std::vector<std::string> PlayerJoinScreen::errorLines() const
{
    if (int(player.size()) < minimumPlayers)
        return {fmt::format("Need at least {} players!", minimumPlayers)};
    std::vector<std::string> lines;
    if (!teamMode)
        return lines;
    for (const auto& p : player) {
        if (!teamAt(p->team))
            lines.push_back("Not all players have chosen a team!");
    }
    if (!atLeastTwoTeamsHavePlayers())
        lines.push_back("At least 2 teams must have players!");
    return lines;
}

std::string PlayerJoinScreen::headline() const
{
    return teamMode && int(player.size()) >= minimumPlayers ? "Select a team!" : "Waiting for players";
}

bool PlayerJoinScreen::finish()
{
    // A loop that ended on a closed window ends the game before it starts.
    if (quitRequested)
        cancelled = true;
    if (cancelled)
        return false;
    if (teamMode)
        removeMemberlessTeams();
    gameOptions.numPlayers = int(player.size());
    return true;
}

bool atLeastTwoTeamsHavePlayers()
{
    const auto withPlayers = std::count_if(teams.begin(), teams.end(), [](const Team& team) {
        return std::any_of(team.members.begin(), team.members.end(), [](const auto& m) { return !m.expired(); });
    });
    return withPlayers >= 2;
}

void removeMemberlessTeams()
{
    for (int t = int(teams.size()) - 1; t >= 0; --t) {
        Team& team = teams[std::size_t(t)];
        team.removeExpiredPlayers();
        if (!team.members.empty())
            continue;
        teams.erase(teams.begin() + t);
        for (const auto& p : player) {
            if (p && p->team > t)
                --p->team;
        }
    }
}
