#include "menus/menu_context.h"

#include "frame/names.h"

NameList makeNames(std::vector<std::string> names)
{
    return std::make_shared<std::vector<std::string>>(std::move(names));
}

MenuContext MenuContext::forScreenWidth(int width)
{
    MenuContext c;
    c.centre = width / 2;
    c.headingX = c.centre - 220;
    c.entryX = c.centre - 200;
    c.offOnNames = ::offOnNames();
    c.onOffNames = makeNames({"On", "Off"});
    c.noneSomeLotsNames = makeNames(::noneSomeLotsNames);
    c.autoOffOnNames = makeNames(::autoOffOnNames);
    c.densityNames = makeNames(::percentNames);
    return c;
}

void MenuContext::addBack(TamwickMenu& menu, const std::string& label)
{
    addBackAt(menu, entryX, label);
}

void MenuContext::addBackAt(TamwickMenu& menu, int x, const std::string& label)
{
    menu.addAction(x, label, [this] { backRequested = true; });
}
