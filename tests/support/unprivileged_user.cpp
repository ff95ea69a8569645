#include "support/unprivileged_user.h"

#include <unistd.h>

#include <exception>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// The user nobody's number; no account needs to exist for it.
constexpr uid_t unprivilegedUser = 65534;

}

UnprivilegedUser::UnprivilegedUser(fs::path folder, const fs::path& openFrom, bool ownFolder)
    : folder_(std::move(folder))
{
    if (geteuid() != 0)
        return;
    const fs::perms enter =
        fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    for (fs::path p = folder_; !p.empty(); p = p.parent_path()) {
        fs::permissions(p, enter, fs::perm_options::add);
        if (p == openFrom || p == p.parent_path())
            break;
    }
    if (ownFolder && chown(folder_.c_str(), unprivilegedUser, unprivilegedUser) != 0)
        throw std::runtime_error("cannot hand the folder to an unprivileged user");
    if (seteuid(unprivilegedUser) != 0)
        throw std::runtime_error("cannot take an unprivileged user");
    switched_ = true;
}

UnprivilegedUser::~UnprivilegedUser()
{
    if (switched_ && seteuid(0) != 0)
        std::terminate();
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
}
