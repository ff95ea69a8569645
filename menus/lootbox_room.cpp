#include "menus/lootbox_room.h"

#include <fmt/format.h>

#include "frame/config.h"
#include "frame/display/display.h"
#include "frame/log.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "game/game_options.h"
#include "menus/lootbox_room_screen.h"

void lootboxRoom()
{
    const int stored = getConfigInt("lootbox", "lootboxPoints", 0);
    if (!lootboxesEnabled || stored >= lootboxPoints)
        return;
    logLine(fmt::format("Loot-box room: {} to {} points\n", stored, lootboxPoints));
    createScreenBitmap(0);
    LootboxRoom room(stored, lootboxPoints);
    const double dt = 1.0 / gameOptions.updateRate;
    runLoop([&] { room.update(dt); }, [&] { room.render(); }, [&] { return room.done(); }, {}, false, false);
    // The new total is stored however the visit ended. A photograph the count
    // did not reach (the window was closed part way) is unlocked at the first
    // step of a later visit, as one held back by the phobias menu is.
    setConfigInt("lootbox", "lootboxPoints", lootboxPoints);
    logLine(fmt::format("Loot-box room closed at {} points\n", room.shownPoints()));
}
