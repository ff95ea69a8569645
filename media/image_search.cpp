#include "media/image_search.h"

#include <memory>
#include <stdexcept>
#include <system_error>

#include "frame/game_files.h"
#include "frame/log.h"

namespace fs = std::filesystem;

const std::vector<std::string> imageExtensions{".tga", ".bmp", ".png", ".jpg", ".jpeg"};

ImageSearch::ImageSearch(const fs::path& root)
{
    walk(root, std::nullopt, true);
}

void ImageSearch::walk(const fs::path& folder, std::optional<std::size_t> folderIndex, bool descend)
{
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    if (error) {
        log("Skipping unreadable folder %s: %s\n", folder.string().c_str(), error.message().c_str());
        return;
    }
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error)
            break;
        const fs::directory_entry& entry = *it;
        std::error_code statusError;
        if (folderIndex && entry.exists(statusError)) {
            auto [slot, added] = firstFolder_.try_emplace(entry.path().filename().string(), *folderIndex);
            if (!added && *folderIndex < slot->second)
                slot->second = *folderIndex;
        }
        if (!descend || !entry.is_directory(statusError))
            continue;
        // Depth first: a folder is walked before its later siblings.
        std::size_t index = folders_.size();
        folders_.push_back(entry.path().string());
        // Links to folders are searched but not walked into, so a loop cannot trap the walk.
        walk(entry.path(), index, !entry.is_symlink(statusError));
    }
    if (error)
        log("Skipping the rest of folder %s: %s\n", folder.string().c_str(), error.message().c_str());
}

std::optional<std::string> ImageSearch::find(const std::vector<std::string>& extensions,
                                             const std::string& name) const
{
    std::optional<std::size_t> bestFolder;
    std::string bestFile;
    for (const std::string& extension : extensions) {
        auto it = firstFolder_.find(name + extension);
        if (it == firstFolder_.end())
            continue;
        if (!bestFolder || it->second < *bestFolder) {
            bestFolder = it->second;
            bestFile = it->first;
        }
    }
    if (!bestFolder)
        return std::nullopt;
    return folders_[*bestFolder] + "/" + bestFile;
}

namespace {

struct WorkingFolderIndex {
    fs::path folder;
    std::unique_ptr<ImageSearch> search;
};

WorkingFolderIndex& workingFolderIndex()
{
    static WorkingFolderIndex index;
    return index;
}

const ImageSearch& imagesBelowWorkingFolder()
{
    WorkingFolderIndex& index = workingFolderIndex();
    std::error_code error;
    fs::path here = fs::current_path(error);
    if (!index.search || here != index.folder) {
        index.search = std::make_unique<ImageSearch>(".");
        index.folder = here;
    }
    return *index.search;
}

}

ALLEGRO_BITMAP* loadImage(const std::vector<std::string>& extensions, const std::string& name)
{
    std::optional<std::string> path = imagesBelowWorkingFolder().find(extensions, name);
    if (!path)
        throw std::runtime_error("Image not found: " + name + inWorkingFolder());
    ALLEGRO_BITMAP* bitmap = al_load_bitmap(path->c_str());
    if (!bitmap)
        throw std::runtime_error("Error loading " + *path + inWorkingFolder());
    return bitmap;
}

void forgetImageIndex()
{
    workingFolderIndex().search.reset();
}
