#include "menus/trophy_room.h"

#include <fmt/format.h>

#include "frame/display/display.h"
#include "frame/log.h"
#include "frame/display/screen_loop.h"
#include "frame/screen_size.h"
#include "menus/trophy_layout.h"
#include "menus/trophy_room_screen.h"

void trophyRoom(const std::vector<ScoringEntity>& entries, bool noWinner, const std::string& message)
{
    std::vector<ScoringEntity> rows = nonEmptyTrophyRows(entries);
    createScreenBitmap(trophyScreenSizeId(int(rows.size())));
    TrophyRoom room(std::move(rows), noWinner, message, screenWidth, screenHeight);
    logLine(fmt::format("Trophy room: {} rows{}\n", room.rows().size(), room.isFinal() ? ", final score" : ""));
    runLoop([&] { room.update(); }, [&] { room.render(); }, [&] { return room.done(); }, {}, false, false);
    logLine("Trophy room closed\n");
}
