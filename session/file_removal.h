#pragma once
#include <string>

// Removes the file at `path`; nothing under the name is no failure. A removal
// that fails is logged with its reason, so that the log never says a file is
// gone that is still there. True when nothing is left under the name.
bool removeFileLogged(const std::string& path);
