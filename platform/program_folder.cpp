#include "platform/program_folder.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace platform {

std::string programFolder()
{
    // The kernel gives the program's own file with every link resolved (with
    // " (deleted)" after its name when the file was replaced since it started,
    // which leaves the folder as it is).
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !program.is_absolute())
        return {};
    return program.parent_path().string();
}

std::string enterFolder(const std::string& folder)
{
    if (chdir(folder.c_str()) != 0)
        return std::strerror(errno);
    return {};
}

std::string workingFolder()
{
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

}
