#include "menus/display_menu.h"

#include "frame/settings.h"
#include "menus/screen_mode_menu.h"
#include "menus/update_rate_menu.h"

void displaySettingsMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    const int x = context.entryX;
    menu->addHeading(context.headingX, "Display settings");
    menu->addAction(x, "Screen resolution", [] { menuScreenMode(); });
    menu->addAction(x, "High frame rate options", [&context] { updateRateMenu(context, false); });
    // Saved when Settings closes.
    menu->addBool(x, "Show FPS", &alwaysShowFPS, context.offOnNames);
    // Used the next time a display is made; never saved.
    menu->addBool(x, "VSync", &vsyncEnabled, context.offOnNames);
    context.addBackAt(*menu, x);
    context.push(std::move(menu));
}
