#pragma once
#include <allegro5/allegro.h>
#include <array>
#include <filesystem>

// A real display for drawing tests and benchmarks (needs an X server): the
// Allegro addons, a small window, the recolour shader and the fonts, with the
// working folder on the generated assets (or placeholder assets when the build has
// none). Safe to call again; it restores whatever a shutdown released.
void ensureArenaDisplay();

// Waits until the renderer has done all the drawing it was given (glFinish),
// so that a clock or a read-back sees the work done, not merely queued. False
// when the renderer offers no such wait.
bool finishDrawing();

// The round's canvas at 32 pixels per cell, as the arena set-up makes it.
void makeArenaCanvas(int cellsWide, int cellsHigh);

// Writes the canvas as a PNG under the build folder's "screenshots" folder
// and returns the path.
std::filesystem::path saveCanvasScreenshot(const std::string& name);

// 8-bit red, green, blue and alpha of one pixel.
using Rgba = std::array<int, 4>;

// The canvas's pixels copied out once, for tests that read many of them.
class CanvasPixels {
public:
    CanvasPixels();
    ~CanvasPixels();
    CanvasPixels(const CanvasPixels&) = delete;
    CanvasPixels& operator=(const CanvasPixels&) = delete;

    Rgba at(int x, int y) const;
    // How many pixels of the rectangle (clipped to the canvas) have this colour.
    int count(int x1, int y1, int x2, int y2, Rgba colour) const;
    // How many pixels of the rectangle differ from `colour`.
    int countOther(int x1, int y1, int x2, int y2, Rgba colour) const;
    int width() const { return width_; }
    int height() const { return height_; }

private:
    ALLEGRO_BITMAP* copy_ = nullptr;
    ALLEGRO_LOCKED_REGION* region_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
