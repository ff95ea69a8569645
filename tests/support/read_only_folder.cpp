#include "support/read_only_folder.h"

namespace fs = std::filesystem;

ReadOnlyFolder::ReadOnlyFolder(fs::path folder, const fs::path& openFrom) : folder_(std::move(folder))
{
    fs::permissions(folder_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    user_.emplace(folder_, openFrom, false);
}
