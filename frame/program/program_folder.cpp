#include "frame/program/program_folder.h"

#include "platform/program_folder.h"

std::string enterProgramFolder()
{
    const std::string folder = platform::programFolder();
    const std::string failure =
        folder.empty() ? "the system does not say where the program is" : platform::enterFolder(folder);
    if (failure.empty())
        return "Game files are read from " + folder + "\n";
    return "Could not enter the program's folder " + (folder.empty() ? "(unknown)" : folder) + ": " + failure +
           "; reading game files from " + platform::workingFolder() + "\n";
}
