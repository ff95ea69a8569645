#include "game/modes.h"

#include "frame/game_ids.h"
#include "game/game_options.h"

bool isMode(int mode)
{
    if (gameOptions.gameMode != GameMode::Everything)
        return gameOptions.gameMode == mode;
    const EverythingModes& on = gameOptions.everythingModes;
    switch (mode) {
    case GameMode::CaptureTheFlag: return on.ctf;
    case GameMode::BattleRoyale: return on.battleRoyale;
    case GameMode::KingOfTheHill: return on.kingOfTheHill;
    case GameMode::SnakeHunter: return on.snakeHunter;
    case GameMode::Deathmatch: return on.respawning;
    default: return false;
    }
}

bool isObjectiveMode(int mode)
{
    return mode == GameMode::CaptureTheFlag || mode == GameMode::BattleRoyale ||
           mode == GameMode::KingOfTheHill || mode == GameMode::Everything;
}

bool respawnModeActive()
{
    return gameOptions.gameMode == GameMode::Everything || isMode(GameMode::CaptureTheFlag) ||
           isMode(GameMode::KingOfTheHill) || isMode(GameMode::Deathmatch) ||
           (isMode(GameMode::SnakeHunter) && gameOptions.aiSnakesRespawnPlayers);
}
