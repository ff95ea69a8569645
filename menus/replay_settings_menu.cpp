#include "menus/replay_settings_menu.h"

#include "frame/settings.h"

void replaySettingsMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    menu->addHeading(context.headingX, "Replay settings");
    menu->addBool(context.entryX, "Record replay data", &replayRecordingEnabled, context.offOnNames);
    menu->addBool(context.entryX, "Show replay test option", &showReplayTestOptions, context.offOnNames);
    context.addBack(*menu);
    context.push(std::move(menu));
}
