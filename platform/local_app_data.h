#pragma once
#include <string>

namespace platform {

// The per-user folder that applications keep their local data in:
// $XDG_DATA_HOME, or $HOME/.local/share when that is unset or empty.
std::string localAppDataFolder();

}
