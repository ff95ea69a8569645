#include "frame/game_files.h"

#include "platform/program_folder.h"

std::string inWorkingFolder()
{
    const std::string folder = platform::workingFolder();
    return " (in " + (folder.empty() ? std::string("the working folder, whose path cannot be read") : folder) + ")";
}
