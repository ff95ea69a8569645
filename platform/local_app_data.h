#pragma once
#include <optional>
#include <string>

namespace platform {

// The per-user folder that applications keep their local data in:
// $XDG_DATA_HOME, or <home>/.local/share, where the home is $HOME or, when
// that is unset or unusable, the account's home in the password database (as
// other programs find it). Only an absolute folder other than the root of the
// file system counts, so nothing is ever made at the root or relative to the
// working folder. Nothing when no home can be found.
std::optional<std::string> localAppDataFolder();

}
