#pragma once

// A menu key (Enter, Space, Escape, Y, with their controller buttons) that
// counts as pressed only once the screen has seen it up: a key or bomb button
// still held from the screen before never confirms a screen that just opened.
// Ask it once per update, from the moment the screen opens, so that a press
// made while the screen ignores it is used up then and not later.
class MenuPressGate {
public:
    MenuPressGate(int key, bool includeHeldControls = false);
    // True on the update the key goes down.
    bool pressed();

private:
    int key_;
    bool includeHeldControls_;
};
