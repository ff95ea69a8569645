#include "menus/menu_input.h"

#include <allegro5/allegro.h>
#include <set>

#include "controls/controls_manager.h"
#include "controls/keyboard_state.h"
#include "frame/app_globals.h"

namespace {

std::set<int>& keysSeenDown()
{
    static std::set<int> keys;
    return keys;
}

std::vector<std::shared_ptr<Controls>> menuControls(int mode, bool includeHeldControls)
{
    if (mode == 0 || !controlsManager)
        return {};
    return controlsManager->getMenuControls(mode, includeHeldControls);
}

bool controllerReports(int key, Controls& c, int escapeMode)
{
    switch (key) {
    case ALLEGRO_KEY_Y:
    case ALLEGRO_KEY_ENTER:
    case ALLEGRO_KEY_SPACE:
        return c.fire();
    case ALLEGRO_KEY_ESCAPE:
        if (escapeMode == 0)
            return c.button2();
        if (escapeMode == 1)
            return c.pause();
        return false;
    default:
        return false;
    }
}

bool controllerDirection(int key, Controls& c)
{
    switch (key) {
    case ALLEGRO_KEY_LEFT: return c.left();
    case ALLEGRO_KEY_RIGHT: return c.right();
    case ALLEGRO_KEY_UP: return c.up();
    case ALLEGRO_KEY_DOWN: return c.down();
    default: return false;
    }
}

}

bool isMenuInputDown(int key, int mode, bool includeHeldControls, int escapeMode)
{
    if (isKeyDown(key))
        return true;
    for (const auto& c : menuControls(mode, includeHeldControls)) {
        if (c && controllerReports(key, *c, escapeMode))
            return true;
    }
    return false;
}

bool isMenuInputPressed(int key, int mode, bool includeHeldControls)
{
    if (inputBlockFlag && *inputBlockFlag != 0)
        return false;
    auto& seen = keysSeenDown();
    if (!isMenuInputDown(key, mode, includeHeldControls, 0)) {
        seen.erase(key);
        return false;
    }
    return seen.insert(key).second;
}

bool isMenuDirectionDown(int key, int mode, bool includeHeldControls)
{
    if (isKeyDown(key))
        return true;
    for (const auto& c : menuControls(mode, includeHeldControls)) {
        if (c && controllerDirection(key, *c))
            return true;
    }
    return false;
}

void resetMenuInputEdges()
{
    keysSeenDown().clear();
}
