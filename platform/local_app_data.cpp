#include "platform/local_app_data.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace platform {

namespace {

// An absolute folder below the root of the file system.
bool usable(const char* folder)
{
    if (!folder || *folder != '/')
        return false;
    return !std::filesystem::path(folder).lexically_normal().relative_path().empty();
}

// The home folder of the account the program runs as (its real user id).
std::optional<std::string> accountHome()
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? std::size_t(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    while (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE && buffer.size() < (1u << 20))
        buffer.resize(buffer.size() * 2);
    if (!found || !usable(found->pw_dir))
        return std::nullopt;
    return std::string(found->pw_dir);
}

}

std::optional<std::string> localAppDataFolder()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (usable(xdg))
        return std::string(xdg);
    const char* home = std::getenv("HOME");
    std::optional<std::string> base = usable(home) ? std::optional<std::string>(home) : accountHome();
    if (!base)
        return std::nullopt;
    return *base + "/.local/share";
}

}
