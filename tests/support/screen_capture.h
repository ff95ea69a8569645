#pragma once
#include <allegro5/allegro.h>
#include <array>
#include <filesystem>
#include <string>

// Pictures of the X server's screen (the whole root window, ImageMagick's
// import), read back for tests of the real program.

// Where the tests keep pictures worth looking at: `name` in the build folder's
// "screenshots" folder, which is made when missing.
std::filesystem::path screenshotFile(const std::string& name);

// Writes the screen to `path` as a PNG; false when import failed.
bool captureScreen(const std::filesystem::path& path);

// A picture loaded into memory for reading pixels.
class ScreenImage {
public:
    explicit ScreenImage(const std::filesystem::path& path);
    ~ScreenImage();
    ScreenImage(const ScreenImage&) = delete;
    ScreenImage& operator=(const ScreenImage&) = delete;

    bool loaded() const { return bitmap_ != nullptr; }
    // 8-bit red, green and blue.
    std::array<int, 3> at(int x, int y) const;
    // How many pixels of the rectangle (corners included) the test accepts.
    template <typename Test>
    int count(int x1, int y1, int x2, int y2, Test test) const
    {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                n += test(at(x, y)) ? 1 : 0;
        return n;
    }

private:
    ALLEGRO_BITMAP* bitmap_ = nullptr;
};
