#include "menus/update_rate_menu.h"

#include <utility>
#include <vector>

#include "session/update_rate.h"

void updateRateMenu(MenuContext& context, bool slowMotion)
{
    using Choice = std::pair<const char*, int>;
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    const int headingX = context.centre - 350;
    std::vector<Choice> choices;
    if (slowMotion) {
        menu->addHeading(headingX, "Slow motion settings");
        choices = {{"Quarter speed", 15}, {"Half speed", 30}, {"Three quarter speed", 45}, {"Normal speed", 60}};
    } else {
        menu->addHeading(headingX, "High frame rate settings");
        for (const char* line : {"Warning: high refresh rate modes are experimental and", "may have bugs.",
                                 "Some aspects of gameplay and balance will be different,", "especially at 144Hz",
                                 "Not compatible with slow motion mode."})
            menu->addHeading(headingX, line);
        choices = {{"60Hz (default)", 60}, {"120Hz", 120}, {"144Hz", 144}};
    }
    for (const auto& [label, rate] : choices)
        menu->addAction(context.entryX, label, [rate = rate] { setUpdateRate(rate); });
    context.addBack(*menu);
    context.push(std::move(menu));
}
