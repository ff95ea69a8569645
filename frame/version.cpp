#include "frame/version.h"

#include <fmt/format.h>

std::string versionString(int version)
{
    return fmt::format("{}.{}.{}", version >> 24, (version >> 12) & 0xfff, version & 0xfff);
}
