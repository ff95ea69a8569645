#pragma once

// The menu's tests for Enter, Escape, Space, Y and the arrows: the keyboard,
// and, unless `mode` is 0 (menuControlMode: 0 keyboard only, 1 keyboard and
// the first controller, 2 keyboard and every controller), the menu controllers
// of the controls manager. Fire stands for Enter, Space and Y; Escape is
// button 2 (escapeMode 0) or pause (escapeMode 1).
bool isMenuInputDown(int key, int mode, bool includeHeldControls, int escapeMode);
// Down now and not down at the last query of the same key code, from any
// caller: one press is reported once, program-wide, so the Enter that chose
// an entry never also confirms the screen it opened. False while input is blocked.
bool isMenuInputPressed(int key, int mode, bool includeHeldControls);
// An arrow key held, or a menu controller's direction.
bool isMenuDirectionDown(int key, int mode, bool includeHeldControls);
// Forgets every key seen down (tests).
void resetMenuInputEdges();
