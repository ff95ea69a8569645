#pragma once
#include <allegro5/allegro.h>
#include <cstdint>
#include <vector>

#include "frame/quit_request.h"
#include "frame/rgb.h"

// Globals that start-up creates or first sets.
extern ALLEGRO_EVENT_QUEUE* eventQueue;
extern ALLEGRO_TIMER* updateTimer;
// Points at a byte that blocks updates while set; nothing sets it in this build.
extern std::uint8_t* inputBlockFlag;
extern int desktopWidth;
extern int desktopHeight;
// Two seconds in updates at the rate the program started with.
extern int twoSecondFrameCount;
// The ten default player colours and the live copy the menus edit.
extern std::vector<RGB> defaultColours;
extern std::vector<RGB> colours;
