#include <ios>
#include <istream>
#include <stdexcept>
#include <string>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "game/search_workers.h"
#include "game/team.h"
#include "game/update_steps.h"
#include "media/music.h"

std::function<void(UpdateStep)> updateStepObserver;

namespace {

void reachStep(UpdateStep step)
{
    if (updateStepObserver)
        updateStepObserver(step);
}

void runStep(Game& game, UpdateStep step, void (Game::*rule)())
{
    reachStep(step);
    (game.*rule)();
}

bool inputAtEnd(const PackagedReplayData& replay)
{
    return replay.playing && replay.replayInput && replay.replayInput->eof();
}

bool hasLivingComputerSnake()
{
    for (const auto& p : player) {
        if (p && p->isAI && !p->dead)
            return true;
    }
    return false;
}

int teamsWithFreeMember()
{
    int count = 0;
    for (const Team& team : teams) {
        if (hasFreeMember(team))
            ++count;
    }
    return count;
}

}

bool Game::replayInputAtEnd() const
{
    return inputAtEnd(replayData);
}

void Game::endReplayQuietly(const char* where)
{
    log("EOF (%s)\n", where);
    replayEndSeen = true;
    if (!replayCutAtFrame)
        replayCutAtFrame = frameCounter;
}

bool Game::peekReplayEnd(const PackagedReplayData& replay, bool& replayEnded)
{
    if (!replay.playing)
        return false;
    if (!replay.replayInput)
        throw std::runtime_error("File not open for reading");
    try {
        const auto next = replay.replayInput->peek();
        // A stream that does not throw at its end just reports it.
        if (next == std::char_traits<char>::eof() && replay.replayInput->eof()) {
            endReplayQuietly("peek replayEnd");
            replayEnded = true;
            return true;
        }
        if (next == replayEndByte)
            replayEnded = true;
        return false;
    } catch (const std::ios_base::failure&) {
        log("peek: ios_base failure\n");
        if (inputAtEnd(replay)) {
            endReplayQuietly("peek replayEnd");
            replayEnded = true;
            return true;
        }
        throw;
    }
}

void Game::updatePlayers(bool& replayEnded)
{
    // The computer snakes' decisions of the frame share the search threads;
    // playback never searches.
    const SearchThreadsAwake searchThreads(isMode(GameMode::SnakeHunter) && !replayData.playing);
    try {
        // The players listed as the frame starts; one added meanwhile waits
        // for the next frame.
        const std::size_t count = player.size();
        for (std::size_t i = 0; i < count && i < player.size(); ++i) {
            std::shared_ptr<Player> p = player[i];
            if (p)
                p->update(replayData, this, false);
        }
    } catch (const std::ios_base::failure&) {
        if (!replayInputAtEnd())
            throw;
        endReplayQuietly("p->update");
    } catch (int code) {
        // Player::update met the end byte where a player number belongs.
        if (code != replayEndByte)
            throw;
        replayEndSeen = true;
        replayEndByteRead = true;
    }
    if (replayEndSeen)
        replayEnded = true;
}

void Game::updateFlags()
{
    for (Flag& flag : flags)
        flag.update(*this);
}

void Game::updateKingOfTheHill()
{
    for (const auto& p : player) {
        if (!p || p->dead || p->ghost || p->isAI || p->team < 0)
            continue;
        const Vector2 c = p->centreCell();
        if (!hillArea.contains(c.x, c.y))
            continue;
        if (Team* team = teamAt(p->team)) {
            team->addScore(1, *this, p);
            p->trailTimer = 61;
        }
    }
}

int Game::countDeadPlayers() const
{
    int dead = 0;
    for (const auto& p : player) {
        if (p && p->dead && !p->isAI)
            ++dead;
    }
    return dead;
}

bool allAiSnakesDefeated(const Game& game)
{
    return game.aiSnakesToSpawn == 0 && !hasLivingComputerSnake();
}

bool Game::isRoundOver()
{
    switch (gameOptions.gameMode) {
    case GameMode::Classic:
        return countDeadPlayers() >= gameOptions.numPlayers - 1;
    case GameMode::CaptureTheFlag:
    case GameMode::KingOfTheHill:
    case GameMode::Deathmatch:
    case GameMode::Everything:
        return shrinkPhase == 3;
    case GameMode::BattleRoyale:
        // No teams at all counts as over.
        return teamsWithFreeMember() <= 1;
    case GameMode::SnakeHunter:
        if (gameOptions.aiSnakesRespawnPlayers)
            return shrinkPhase == 3 || allAiSnakesDefeated(*this);
        return countDeadPlayers() == gameOptions.numPlayers || allAiSnakesDefeated(*this);
    default:
        return false;
    }
}

// One game frame. Each rule has its step here and its body in the file of its
// topic.
void Game::update(bool& roundOver, bool& replayEnded, const std::shared_ptr<Music>& music)
{
    // A replay that has simply run out runs nothing of the frame; one whose
    // next byte is the end byte still runs it, but no rule reads it any more.
    if (peekReplayEnd(replayData, replayEnded))
        return;
    if (replayEnded)
        replayEndSeen = true;

    // The file that holds each rule is named beside it.
    using enum UpdateStep;
    runStep(*this, Auction, &Game::updateAuction);                     // auction_rules.cpp
    reachStep(Players);
    updatePlayers(replayEnded);                                         // Player::update, player_update.cpp
    if (isMode(GameMode::CaptureTheFlag))
        runStep(*this, Flags, &Game::updateFlags);                      // Flag::update, flag.cpp
    // Once a second of game time at every update rate.
    if (isMode(GameMode::KingOfTheHill) && frameCounter % gameOptions.updateRate == 0)
        runStep(*this, KingOfTheHill, &Game::updateKingOfTheHill);
    runStep(*this, Bombs, &Game::updateBombs);                         // bombs.cpp
    runStep(*this, Explosions, &Game::updateExplosions);               // explosions.cpp
    runStep(*this, PlayerDeaths, &Game::checkPlayerDeaths);            // player_deaths.cpp
    runStep(*this, ShrinkingArena, &Game::updateShrinkingArena);       // shrinking_arena.cpp
    if (isMode(GameMode::SnakeHunter)) {
        reachStep(AiSnakes);
        updateAISnakes(&replayEnded);                                   // ai_snakes.cpp
    }
    runStep(*this, TeamElimination, &Game::killTeamsWithNoFreeMember); // team.cpp
    runStep(*this, RespawningWalls, &Game::updateRespawningWalls);     // respawning_walls.cpp
    runStep(*this, Toasts, &Game::updateToasts);                       // toast.cpp
    if (replayEndSeen)
        replayEnded = true;

    // The end condition is asked until it first holds; the round is reported
    // over 240 frames (at multiplier 1) later, whatever happens meanwhile.
    reachStep(RoundEnd);
    if (roundEndTimer == -1) {
        if (isRoundOver()) {
            roundEndTimer = gameOptions.updateRateMultiplier * 240;
            if (music)
                music->fadeTo(4.0f, 0);
        }
    } else if (roundEndTimer > 0) {
        --roundEndTimer;
    }
    if (roundEndTimer == 0)
        roundOver = true;
}
