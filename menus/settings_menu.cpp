#include "menus/settings_menu.h"

#include "frame/config.h"
#include "frame/names.h"
#include "frame/settings.h"
#include "menus/accessibility_menu.h"
#include "menus/audio_menu.h"
#include "menus/debug_menu.h"
#include "menus/display_menu.h"
#include "menus/message_screen.h"
#include "menus/replay_settings_menu.h"

void saveSettingsOnClose()
{
    setConfigInt("controls", "menuControlMode", menuControlMode);
    setConfigInt("other", "replayRecordingEnabled", replayRecordingEnabled);
    setConfigInt("other", "showReplayTestOptions", showReplayTestOptions);
    setConfigInt("other", "alwaysShowFPS", alwaysShowFPS);
}

std::unique_ptr<TamwickMenu> settingsMenu(MenuContext& context)
{
    static const NameList controlModeNames = std::make_shared<std::vector<std::string>>(menuControlModeNames);
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, saveSettingsOnClose);
    const int x = context.entryX;
    menu->addHeading(context.headingX, "Settings");
    menu->addAction(x, "Display", [&context] { displaySettingsMenu(context); });
    menu->addAction(x, "Sound", [] { menuAudio(nullptr, nullptr, std::nullopt); });
    menu->addAction(x, "Replays", [&context] { replaySettingsMenu(context); });
    menu->addAction(x, "Accessibility", [&context] { accessibilityMenu(context); });
    menu->addAction(x, "Phobias", [&context] { context.push(phobiasMenu(context, false)); });
    menu->addAction(x, "Debug", [&context] { debugMenu(context); });
    // "Keyboard only" shows when the file holds it, but stepping moves between the other two.
    menu->addEnum(x, "Menu control mode", &menuControlMode, 1, 2, controlModeNames);
    menu->addAction(x, "Profile", [] { profile(); });
    context.addBackAt(*menu, x);
    return menu;
}
