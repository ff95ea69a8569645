#pragma once
#include <filesystem>
#include <optional>

#include "support/unprivileged_user.h"

// Makes a folder read-only for the test's lifetime, as a player would find it.
// Permissions do not hold for root, so a test run as root also takes an
// unprivileged user meanwhile (see UnprivilegedUser). Everything is put back
// when it goes.
class ReadOnlyFolder {
public:
    // `openFrom` is the topmost folder that the unprivileged user must be able
    // to enter on its way to `folder`.
    ReadOnlyFolder(std::filesystem::path folder, const std::filesystem::path& openFrom);
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::filesystem::path folder_;
    std::optional<UnprivilegedUser> user_;
};
