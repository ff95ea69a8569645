#pragma once
#include <string>

// The name a key has on the players' screens: the keyboard-layout-independent
// names ("A", "UP", "RCTRL", "PAD 5"...), the same on every platform. Keys
// whose symbol depends on the layout are named "KEY" and their code, as is any
// code outside the key table.
std::string keyName(int keycode);
