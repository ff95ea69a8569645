#pragma once
#include <filesystem>

// Makes a folder read-only for the test's lifetime, as a player would find it.
// Permissions do not hold for root, so a test run as root also takes an
// unprivileged effective user meanwhile (and opens the folder's temporary
// parents to it). Everything is put back when it goes.
class ReadOnlyFolder {
public:
    // `openFrom` is the topmost folder that the unprivileged user must be able
    // to enter on its way to `folder`.
    ReadOnlyFolder(std::filesystem::path folder, const std::filesystem::path& openFrom);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::filesystem::path folder_;
    bool unprivileged_ = false;
};
