#pragma once
#include <string>

// Asks the window titled `title` to close, as a window manager does when its
// close button is clicked (a WM_DELETE_WINDOW message). False when no such
// window is found.
bool sendCloseRequest(const std::string& title);
