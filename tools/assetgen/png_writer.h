#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes an opaque 24-bit RGB PNG (colour type 2). `rgb` holds width x height
// pixels, three bytes each, row by row. Throws std::runtime_error on failure.
void writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb, int level = 9);

// Reads the header of a PNG file: false when it is not a PNG.
struct PngHeader {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colourType = 0;
};
bool readPngHeader(const std::string& path, PngHeader& header);
