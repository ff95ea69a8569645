#pragma once
#include <string>

// Versions pack major, minor and patch as (major << 24) | (minor << 12) | patch.
inline constexpr int currentVersion = 0x1001002;

std::string versionString(int version);
