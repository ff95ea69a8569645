#include "menus/menu_context.h"

#include "frame/names.h"

namespace {
NameList names(std::vector<std::string> list)
{
    return std::make_shared<std::vector<std::string>>(std::move(list));
}
}

MenuContext MenuContext::forScreenWidth(int width)
{
    MenuContext c;
    c.centre = width / 2;
    c.headingX = c.centre - 220;
    c.entryX = c.centre - 200;
    c.offOnNames = ::offOnNames();
    c.onOffNames = names({"On", "Off"});
    c.noneSomeLotsNames = names(::noneSomeLotsNames);
    c.autoOffOnNames = names(::autoOffOnNames);
    c.densityNames = names(::percentNames);
    return c;
}
