#include "session/file_removal.h"

#include <filesystem>
#include <fmt/format.h>
#include <system_error>

#include "frame/log.h"

bool removeFileLogged(const std::string& path)
{
    std::error_code error;
    std::filesystem::remove(path, error);
    if (!error)
        return true;
    logStdString(fmt::format("Error: could not remove {}: {}\n", path, error.message()));
    return false;
}
