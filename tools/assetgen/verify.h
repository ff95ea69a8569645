#pragma once
#include <string>
#include <vector>

// Checks a generated run folder: every expected file present exactly once,
// sizes, formats and the colour rules of the sprites. Returns the problems
// found (empty when all is well).
std::vector<std::string> verifyRunFolder(const std::string& runFolder, const std::string& fontSource);
