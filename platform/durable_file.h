#pragma once
#include <functional>
#include <string>

struct ALLEGRO_FILE;

namespace platform {

// A temporary file made by writeTemporaryFileDurably: its name, and why it
// could not be made or finished (empty when it was).
struct TemporaryFile {
    std::string name;
    std::string failure;
};

// Creates a new file of this process's own beside `path`, in the same folder,
// lets `write` fill it through an Allegro stream and flushes it to disk before
// returning; the caller then renames it over `path` or removes it. The name is
// `path` with ".<process id>-<count>.tmp" added, made exclusively: whatever
// stands under a name already (another copy's unfinished file, a link, a file
// a killed run left) is never removed, written or followed, and the next count
// is tried instead, up to 100 names. The mode is a new file's, 0666 less the
// umask. A file that could not be finished is removed by the name this call
// made. `name` is set on failure too, to the last name tried.
TemporaryFile writeTemporaryFileDurably(const std::string& path,
                                        const std::function<bool(ALLEGRO_FILE*)>& write);

// Flushes the entries of `folder` (the current folder when empty) to disk, so
// that a rename inside it lasts. Empty on success, otherwise why it failed.
std::string syncFolder(const std::string& folder);

}
