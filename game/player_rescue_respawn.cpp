#include "frame/app_globals.h"
#include "frame/game_ids.h"
#include "game/arena.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/player.h"
#include "game/player_update_steps.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "game/team.h"

namespace {

// A team-mate who can free a held player: alive, free, and close enough.
bool canRescue(const Player& helper, const Player& held)
{
    if (&helper == &held || helper.dead || helper.held)
        return false;
    const double dx = helper.x - held.x;
    const double dy = helper.y - held.y;
    return dx * dx + dy * dy < rescueDistance * rescueDistance;
}

bool teamMateNearby(const Player& p)
{
    const Team* team = teamAt(p.team);
    if (!team)
        return false;
    for (const auto& member : team->members) {
        auto helper = member.lock();
        if (helper && canRescue(*helper, p))
            return true;
    }
    return false;
}

void respawn(Player& p, const PackagedReplayData& replay)
{
    const int m = gameOptions.updateRateMultiplier;
    const Vector2 cell = p.homeSquare();
    const Vector2 pixel = cellToPixel(cell);
    p.x = pixel.x;
    p.y = pixel.y;
    p.resetStats();
    if (playingOlderThan(replay, PlayerUpdate::respawnClearsVersion)) {
        if (grid.at(cell) != Square::Empty) {
            p.ghost = true;
            p.shieldTimer = 120 * m;
            return;
        }
    } else {
        clearCross(cell, 2, false);
    }
    p.shielded = true;
    p.shieldTimer = 120 * m;
}

}

void PlayerUpdate::updatePickupAndHold(Player& p, bool preview)
{
    if (!p.ghost && !p.held && !preview)
        p.checkBonusAtGridSquare();
    if (!p.held)
        return;
    if (p.holdTimer > 0) {
        --p.holdTimer;
        if (p.holdTimer < 1)
            p.held = false;
        return;
    }
    if (!isMode(GameMode::BattleRoyale))
        return;
    if (!teamMateNearby(p)) {
        p.rescueFrames = 0;
        return;
    }
    ++p.rescueFrames;
    if (p.rescueFrames >= rescueCount) {
        p.held = false;
        p.rescueFrames = 0;
    }
}

void PlayerUpdate::updateDead(Player& p, const PackagedReplayData& replay, Game& game)
{
    dropCarriedFlags(p, game);
    if (p.isAI || !respawnModeActive())
        return;
    if (game.isArenaFullyShrunk() &&
        p.respawnTimer > twoSecondFrameCount * gameOptions.updateRateMultiplier)
        return;
    --p.respawnTimer;
    if (p.respawnTimer < 1)
        respawn(p, replay);
}
