#include "menus/flashing_background_menu.h"

#include "frame/accessibility_settings.h"

void flashingBackgroundMenu(MenuContext& context)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    menu->addHeading(context.headingX, "Flashing background settings");
    for (const char* line : {"This game features a flashing background, with a",
                             "period of about 1Hz, when shrinking is about to",
                             "begin. According to the UK Epilepsy Society it",
                             "is uncommon for flashing images below a rate of 3Hz",
                             "to trigger seizures in people with photosensitive",
                             "epilepsy. However, if you wish you may turn off the", "flashing background."})
        menu->addHeading(context.headingX, line);
    menu->addBool(context.entryX, "Flashing background", &accessibilitySettings.flashingEnabled,
                  context.offOnNames);
    context.addBack(*menu);
    context.push(std::move(menu));
}
