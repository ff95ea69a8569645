#pragma once
#include <filesystem>

// Changes the working folder for the lifetime of the object.
class ScopedWorkingFolder {
public:
    explicit ScopedWorkingFolder(const std::filesystem::path& folder)
        : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~ScopedWorkingFolder()
    {
        std::error_code error;
        std::filesystem::current_path(previous_, error);
    }
    ScopedWorkingFolder(const ScopedWorkingFolder&) = delete;
    ScopedWorkingFolder& operator=(const ScopedWorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
};
