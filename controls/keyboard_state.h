#pragma once
#include <functional>

// The raw keyboard, polled by keycode (Allegro key codes). Main thread only.

// True while the key is held; false while input is blocked, and for a keycode
// outside Allegro's key table.
bool isKeyDown(int keycode);
// True once per press, on the first call that sees the key up again after a
// call saw it down. A press made and released between two calls is missed.
bool isKeyPressed(int keycode);

// Where isKeyDown reads a key's state; the default asks Allegro's keyboard.
// Tests put their own in; an empty function restores the default.
using KeyStateReader = std::function<bool(int keycode)>;
void setKeyStateReader(KeyStateReader reader);
