#include "session/update_rate.h"

#include "frame/display.h"
#include "game/game_options.h"

void setUpdateRate(int rate)
{
    gameOptions.updateRate = rate;
    gameOptions.updateRateMultiplier = updateRateMultiplierFor(rate);
    restartTimer(rate);
}
