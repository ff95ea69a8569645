#pragma once
#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with its contents.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

// Points XDG_DATA_HOME at a temporary folder for the test's lifetime, so the
// program's user data folder is <folder>/tamwick.
class TempDataHome {
public:
    TempDataHome();
    ~TempDataHome();

    std::filesystem::path dataFolder() const { return folder_.path() / "tamwick"; }
    const TempFolder& folder() const { return folder_; }

private:
    TempFolder folder_;
    std::string previous_;
    bool hadPrevious_ = false;
};

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& contents);
