#pragma once
#include "canvas.h"

#include <string>
#include <vector>

// A finished sprite as written: its pixels, for review sheets.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    Rgb at(int x, int y) const
    {
        const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        return Rgb(p[0], p[1], p[2]);
    }
};

// One PNG of every sprite at 1x and 3x labelled with id and name, headed by
// small arena scenes on each of the five background colours.
void writeContactSheet(const std::string& path, const std::vector<Picture>& sprites, Fonts& fonts);
