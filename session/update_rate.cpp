#include "session/update_rate.h"

#include "frame/display/display.h"
#include "game/game_options.h"

void setUpdateRate(int rate)
{
    // The timer refuses a rate it cannot run; the options then stay as they were.
    restartTimer(rate);
    gameOptions.updateRate = rate;
    gameOptions.updateRateMultiplier = updateRateMultiplierFor(rate);
}
