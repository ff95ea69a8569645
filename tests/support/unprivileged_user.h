#pragma once
#include <filesystem>

// Runs the rest of a test as a player's own account would run the game, so
// that folder permissions hold (they never do for root). Root takes the
// unprivileged user nobody meanwhile, opens `folder` and the folders above it,
// up to `openFrom`, for it to enter, and with `ownFolder` hands it `folder`;
// anyone else stays who it is. The user and the folder's owner permissions
// are put back when it goes.
class UnprivilegedUser {
public:
    UnprivilegedUser(std::filesystem::path folder, const std::filesystem::path& openFrom, bool ownFolder);
    ~UnprivilegedUser();
    UnprivilegedUser(const UnprivilegedUser&) = delete;
    UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

private:
    std::filesystem::path folder_;
    bool switched_ = false;
};
