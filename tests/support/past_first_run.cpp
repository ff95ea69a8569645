#include "support/past_first_run.h"

#include <filesystem>

#include "support/temp_folder.h"

void writePastFirstRunConfig(const TempDataHome& home)
{
    std::filesystem::create_directories(home.dataFolder());
    writeFile(home.dataFolder() / "tamwick.cfg", "[lootbox]\ncatsEnabled=1\n");
}
