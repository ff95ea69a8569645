#include "menus/menu_press_gate.h"

#include "frame/settings.h"
#include "menus/menu_input.h"

MenuPressGate::MenuPressGate(int key, bool includeHeldControls)
    : key_(key), includeHeldControls_(includeHeldControls)
{
    // A key held now is marked as seen down, so it reports nothing until it
    // has been released and pressed again.
    isMenuInputPressed(key_, menuControlMode, includeHeldControls_);
}

bool MenuPressGate::pressed()
{
    return isMenuInputPressed(key_, menuControlMode, includeHeldControls_);
}
