#pragma once
#include <filesystem>
#include <functional>

// How many pixels of an image file, on every second row and column, have a
// colour that `match` accepts (0 when the file cannot be read).
int countPixels(const std::filesystem::path& image,
                const std::function<bool(unsigned char r, unsigned char g, unsigned char b)>& match);
