#include "menus/phobias_menu.h"

#include "frame/config_option.h"

std::unique_ptr<TamwickMenu> phobiasMenu(MenuContext& context, bool firstRun)
{
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    menu->addHeading(context.headingX, "This game includes photos of cats, dogs and");
    menu->addHeading(context.headingX, "other animals. If you have a phobia of any of");
    menu->addHeading(context.headingX, "these animals, you can choose not to see them.");
    // From now on the key exists, which is what the title screen asks on start.
    catsEnabled.set(catsEnabled.get());
    for (ConfigOptionWrapper<bool>* option : {&catsEnabled, &dogsEnabled, &hamstersEnabled, &owlsEnabled,
                                              &ferretsEnabled})
        addEntry(*option, menu.get(), context.entryX);
    context.addBack(*menu, firstRun ? "Done" : "Back");
    return menu;
}
