#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/file_identity.h"
#include "support/temp_folder.h"
#include "support/unprivileged_user.h"

namespace {

namespace fs = std::filesystem;
using platform::fileIdentity;
using platform::standsUnder;
using State = platform::IdentityLook::State;

// Only a look that finds nothing there says Missing: a look that fails may
// hide a file, and a link is found as itself, pointing anywhere or nowhere.
TEST(FileIdentity, OnlyANameWithNothingUnderItIsMissing)
{
    TempFolder folder;
    const fs::path file = folder.path() / "file";
    writeFile(file, "x");
    fs::create_symlink(folder.path() / "nowhere", folder.path() / "dangling");
    fs::create_symlink(file, folder.path() / "link");

    EXPECT_EQ(fileIdentity(file.string()).state, State::Found);
    const platform::IdentityLook dangling = fileIdentity((folder.path() / "dangling").string());
    EXPECT_EQ(dangling.state, State::Found);
    EXPECT_TRUE(standsUnder((folder.path() / "dangling").string()));
    const platform::IdentityLook link = fileIdentity((folder.path() / "link").string());
    EXPECT_EQ(link.state, State::Found);
    EXPECT_NE(link.identity, fileIdentity(file.string()).identity);

    // Nothing stands under a name that does not exist, nor under one below a
    // file, which holds no names.
    for (const fs::path& missing : {folder.path() / "missing", file / "x"}) {
        SCOPED_TRACE(missing);
        const platform::IdentityLook look = fileIdentity(missing.string());
        EXPECT_EQ(look.state, State::Missing);
        EXPECT_EQ(look.reason, "");
        EXPECT_FALSE(standsUnder(missing.string()));
    }

    // A name in a folder that cannot be searched may hold anything.
    UnprivilegedUser user(folder.path(), folder.path(), true);
    const fs::path locked = folder.path() / "locked";
    fs::create_directory(locked);
    writeFile(locked / "x", "x");
    fs::permissions(locked, fs::perms::none);
    const platform::IdentityLook look = fileIdentity((locked / "x").string());
    const bool stands = standsUnder((locked / "x").string());
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(look.state, State::Failed);
    EXPECT_EQ(look.reason, "Permission denied");
    EXPECT_TRUE(stands);
}

}
