#pragma once
#include <allegro5/allegro.h>
#include <map>

#include "frame/screen_size.h"
#include "frame/vector2.h"
#include "media/bitmap_wrapper.h"

extern ALLEGRO_DISPLAY* display;
// The off-screen canvas every screen draws into, at the logical screen size.
// Replaced by setVideoMode and createScreenBitmap: fetch it again after either.
extern BitmapPtr screenBitmap;
// The display's backbuffer (not owned).
extern BitmapPtr backbufferBitmap;

// Logical screen size by id: 0 menus, 1-4 the trophy room by entry count.
extern const std::map<int, Vector2> screenSizes;

// Creates or changes the display (a window, or a desktop-sized borderless
// window when not windowed); returns true, throws "Failed to create display".
// An adapter below -1 or past the last one means the default adapter (-1).
bool setVideoMode(int width, int height, bool windowed, int adapter);
// Sets the logical size from screenSizes and makes a new canvas of that size.
void createScreenBitmap(int sizeId);
// Scales the canvas onto the backbuffer, letterboxed, and flips.
void presentFrame();
// The first half of presentFrame: the canvas scaled onto the backbuffer, no flip.
void drawCanvasOntoBackbuffer();
// Restarts the update timer at `rate` updates per second. A rate other than
// 15, 30, 45, 60, 120 or 144 throws std::invalid_argument, and a timer that
// cannot be made throws std::runtime_error; either leaves the old timer running.
void restartTimer(int rate);
// The window icon from "tamwick.png" in the working folder; a missing file
// leaves the default icon.
void setWindowIcon();

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};
// Where a logical screen of the given size lands on a backbuffer: the largest
// centred rectangle of the logical aspect ratio.
Rect letterboxRect(int backbufferWidth, int backbufferHeight, int logicalWidth, int logicalHeight);
