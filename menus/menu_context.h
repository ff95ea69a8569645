#pragma once
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "menus/tamwick_menu.h"

class Music;

// What the title screen shares, by reference, with the menu builders and their
// entry actions: where entries stand, the back flag, the menu stack and the
// pending queue, the menu music and the value names of the switches.
struct MenuContext {
    int centre = 0;         // screen bitmap width / 2
    int headingX = 0;       // centre - 220
    int entryX = 0;         // centre - 200
    bool backRequested = false;
    std::deque<std::unique_ptr<TamwickMenu>> stack;
    std::deque<std::unique_ptr<TamwickMenu>> pending;
    std::shared_ptr<Music> menuMusic;
    NameList offOnNames;        // {"Off", "On"}
    NameList onOffNames;        // {"On", "Off"}: the true value turns the named feature off
    NameList noneSomeLotsNames;
    NameList autoOffOnNames;
    NameList densityNames;      // "0", "5", ..., "100", "Auto"

    // Positions from the screen bitmap's width, and the shared name lists.
    static MenuContext forScreenWidth(int width);
    void push(std::unique_ptr<TamwickMenu> menu) { stack.push_back(std::move(menu)); }
    // The "Back" (or "Done") entry: the title screen pops the menu after its update.
    void addBack(TamwickMenu& menu, const std::string& label = "Back");
    // The same at another column.
    void addBackAt(TamwickMenu& menu, int x, const std::string& label = "Back");
};

// A name list of its own for a menu's choice entry.
NameList makeNames(std::vector<std::string> names);
