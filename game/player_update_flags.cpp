#include "frame/game_ids.h"
#include "game/arena.h"
#include "game/flag.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/particles.h"
#include "game/player.h"
#include "game/player_update_steps.h"
#include "game/replay_data.h"
#include "game/replay_records.h"
#include "game/round_state.h"
#include "game/team.h"
#include "game/toast.h"
#include "media/sound.h"

namespace {

// The flag tests' distance, on whole pixels: strictly inside the radius.
bool withinProximity(int x, int y, int otherX, int otherY)
{
    const long long dx = x - otherX;
    const long long dy = y - otherY;
    const long long r = proximityRadius;
    return r > 0 && dx * dx + dy * dy < r * r;
}

void sendHome(Flag& flag)
{
    const Vector2 home = cellToPixel(flag.homeSquare());
    flag.x = home.x;
    flag.y = home.y;
    flag.inBase = true;
    flag.carrier.reset();
}

void recover(Flag& flag, Game& game)
{
    playSound(SoundId::Gong2, 200, 128, 2000);
    game.addToast(std::make_unique<TimedToast>("Flag recovered", float(flag.x), float(flag.y), 0.0f,
                                               -0.5f, 90, ToastFont::Default));
    sendHome(flag);
}

// Flags are made one per team in team order, so a team's own flag has its index.
bool ownFlagInBase(const Game& game, int team)
{
    return team >= 0 && team < int(game.flags.size()) && game.flags[std::size_t(team)].inBase;
}

bool anotherTeamSharesHome(int team)
{
    const Vector2 home = teams[std::size_t(team)].home;
    for (std::size_t t = 0; t < teams.size(); ++t) {
        if (int(t) != team && teams[t].home == home)
            return true;
    }
    return false;
}

bool flagScoreCompared(const PackagedReplayData& replay)
{
    const int version = replay.replayInputVersion.value();
    return version < 0x1000009 || version > 0x100000b;
}

// The capture's frame record and verify lines: written while recording,
// read back and compared while a replay plays.
void recordCaptureScore(const Player& p, const PackagedReplayData& replay, const Game& game,
                        const Team& team)
{
    const int score = team.getScore();
    if (!replay.playing) {
        if (replay.recording) {
            writeFlagScoreRecord(replay, score);
            PlayerUpdate::verifyFlagCapture(replay, p.team, score, true);
        }
        return;
    }
    const bool compare = flagScoreCompared(replay);
    if (!playingOlderThan(replay, PlayerUpdate::flagScoreVersion) && !game.replayEndSeen) {
        const int recorded = readFlagScoreRecord(replay);
        if (compare && recorded != score)
            failReplayCheck(replay, "score == teamObj.getScore()", 636);
    }
    PlayerUpdate::verifyFlagCapture(replay, p.team, score, compare);
}

bool canCapture(const Player& p, const PackagedReplayData& replay, const Game& game, Vector2 base)
{
    if (!withinProximity(p.x, p.y, base.x * cellSize, base.y * cellSize))
        return false;
    if (!gameOptions.ctfCentreFlag && !ownFlagInBase(game, p.team))
        return false;
    if (!playingOlderThan(replay, PlayerUpdate::sharedHomeBlocksCaptureVersion) &&
        anotherTeamSharesHome(p.team))
        return false;
    return true;
}

void carryOrCapture(Player& p, Flag& flag, const PackagedReplayData& replay, Game& game)
{
    Team* team = teamAt(p.team);
    if (!team || !canCapture(p, replay, game, team->home)) {
        flag.x = p.x;
        flag.y = p.y;
        return;
    }
    const Vector2 base = team->home;
    team->addScoreNow(gameOptions.gameMode == GameMode::Everything ? gameOptions.flagCapturePoints : 1);
    sendHome(flag);
    playSound(SoundId::Gong2, 200, 128, 1000);
    spawnParticleBurst(float(base.x * cellSize + 16), float(base.y * cellSize + 16));
    recordCaptureScore(p, replay, game, *team);
}

bool carriedBy(const Flag& flag, const Player& p)
{
    return flag.carrier.lock().get() == &p;
}

}

void PlayerUpdate::updateCaptureTheFlag(Player& p, const PackagedReplayData& replay, Game& game)
{
    const int m = gameOptions.updateRateMultiplier;
    for (Flag& flag : game.flags) {
        if (flag.inBase && !flag.carrier.expired())
            failReplayCheck(replay, "!(flag.inBase && !flag.carrier.expired())", 576);
        if (flag.carrier.expired() && !p.ghost && withinProximity(p.x, p.y, flag.x, flag.y)) {
            if (playingOlderThan(replay, ownFlagRecoveredVersion) || flag.team != p.team) {
                flag.carrier = p.shared_from_this();
                flag.inBase = false;
            } else if (!flag.inBase) {
                recover(flag, game);
            }
        }
        if (carriedBy(flag, p))
            carryOrCapture(p, flag, replay, game);
        // A ghost that carries a flag starts its armed shield's countdown.
        if (p.ghost && carriedBy(flag, p) && p.shieldTimer > 120 * m)
            p.shieldTimer = 120 * m;
    }
}

void PlayerUpdate::dropCarriedFlags(const Player& p, Game& game)
{
    for (Flag& flag : game.flags) {
        if (carriedBy(flag, p))
            flag.carrier.reset();
    }
}
