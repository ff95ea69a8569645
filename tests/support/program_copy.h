#pragma once
#include <filesystem>

// Puts a copy of the game's program into `folder` and gives its path. The
// game reads its own files from the folder that holds it, so the copy reads
// whatever files the test places beside it.
std::filesystem::path copyProgramInto(const std::filesystem::path& folder);
