#include <ios>
#include <istream>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "game/arena.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/music.h"

namespace {

bool inputAtEnd(const PackagedReplayData& replay)
{
    return replay.playing && replay.replayInput && replay.replayInput->eof();
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
}

bool Game::peekReplayEnd(const PackagedReplayData& replay, bool& replayEnded)
{
    if (!replay.playing)
        return false;
    try {
        if (!replay.replayInput)
            throw std::ios_base::failure("no replay input");
        if (replay.replayInput->peek() == replayEndByte)
            replayEnded = true;
        return false;
    } catch (const std::ios_base::failure&) {
        log("peek: ios_base failure\n");
        if (inputAtEnd(replay)) {
            log("EOF (peek replayEnd)\n");
            replayEnded = true;
            return true;
        }
        throw;
    }
}

void Game::updatePlayers(bool& replayEnded)
{
    try {
        // Computer snakes may join the list during the loop; they are updated
        // from the next frame on.
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
        if (code != replayEndByte)
            throw;
        replayEndSeen = true;
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
    if (frameCounter % gameOptions.updateRate != 0)
        return;
    for (const auto& p : player) {
        if (!p || p->dead || p->ghost || p->isAI || p->team < 0)
            continue;
        Vector2 c = p->centreCell();
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

namespace {

bool isFreeMember(const Player& p)
{
    return !p.dead && (!p.held || p.holdTimer != 0);
}

bool hasLivingComputerSnake()
{
    for (const auto& p : player) {
        if (p && p->isAI && !p->dead)
            return true;
    }
    return false;
}

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
    case GameMode::BattleRoyale: {
        int teamsWithFreeMember = 0;
        for (const Team& team : teams) {
            for (const auto& member : team.members) {
                auto p = member.lock();
                if (p && isFreeMember(*p)) {
                    ++teamsWithFreeMember;
                    break;
                }
            }
        }
        return teamsWithFreeMember <= 1;
    }
    case GameMode::SnakeHunter:
        if (gameOptions.aiSnakesRespawnPlayers)
            return shrinkPhase == 3 || allAiSnakesDefeated(*this);
        return countDeadPlayers() == gameOptions.numPlayers || allAiSnakesDefeated(*this);
    default:
        return false;
    }
}

void Game::update(bool& roundOver, bool& replayEnded, const std::shared_ptr<Music>& music)
{
    if (peekReplayEnd(replayData, replayEnded))
        return;
    if (replayEnded)
        replayEndSeen = true;
    updateAuction();
    updatePlayers(replayEnded);
    if (isMode(GameMode::CaptureTheFlag))
        updateFlags();
    if (isMode(GameMode::KingOfTheHill))
        updateKingOfTheHill();
    updateBombs();
    updateExplosions();
    checkPlayerDeaths();
    updateShrinkingArena();
    if (isMode(GameMode::SnakeHunter))
        updateAISnakes(&replayEnded);
    killTeamsWithNoFreeMember();
    updateRespawningWalls();
    updateToasts();
    if (replayEndSeen)
        replayEnded = true;

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
