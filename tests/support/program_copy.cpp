#include "support/program_copy.h"

#include "support/program_runner.h"

std::filesystem::path copyProgramInto(const std::filesystem::path& folder)
{
    const std::filesystem::path copy = folder / "tamwick";
    std::filesystem::copy_file(runFolder() / "tamwick", copy, std::filesystem::copy_options::overwrite_existing);
    return copy;
}
