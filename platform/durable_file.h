#pragma once
#include <functional>
#include <string>

struct ALLEGRO_FILE;

namespace platform {

// Creates a new file at `path`, lets `write` fill it through an Allegro stream
// and flushes it to disk before returning. Whatever a killed run left under the
// name goes first, so a stale link is never followed; a file that could not be
// finished is removed. Empty on success, otherwise why it failed.
std::string writeNewFileDurably(const std::string& path, const std::function<bool(ALLEGRO_FILE*)>& write);

// Flushes the entries of `folder` (the current folder when empty) to disk, so
// that a rename inside it lasts. Empty on success, otherwise why it failed.
std::string syncFolder(const std::string& folder);

}
