#pragma once
#include <allegro5/allegro.h>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Image file extensions in the order they are tried.
extern const std::vector<std::string> imageExtensions;

// An index of the folders below a root folder, walked once, depth first in the
// file system's own order. Files directly in the root are not part of it.
class ImageSearch {
public:
    explicit ImageSearch(const std::filesystem::path& root);

    // The path of name + extension in the first folder of the walk that holds
    // one; within a folder the earlier extension wins.
    std::optional<std::string> find(const std::vector<std::string>& extensions,
                                    const std::string& name) const;

    const std::vector<std::string>& folders() const { return folders_; }

private:
    // Indexes the entries of `folder` under `folderIndex` (the root has none)
    // and, when `descend`, walks into its subfolders.
    void walk(const std::filesystem::path& folder, std::optional<std::size_t> folderIndex,
              bool descend);

    std::vector<std::string> folders_;
    // Entry name -> index of the first folder holding it.
    std::unordered_map<std::string, std::size_t> firstFolder_;
};

// Finds the image by name below the working folder and loads it. Throws
// "Image not found: " + name, or "Error loading " + path when it will not load.
ALLEGRO_BITMAP* loadImage(const std::vector<std::string>& extensions, const std::string& name);
// Drops the working folder's index; the next search walks the tree again.
void forgetImageIndex();
