#include "frame/app_globals.h"

ALLEGRO_EVENT_QUEUE* eventQueue = nullptr;
ALLEGRO_TIMER* updateTimer = nullptr;
std::uint8_t* inputBlockFlag = nullptr;
int desktopWidth = 0;
int desktopHeight = 0;
int twoSecondFrameCount = 0;
std::vector<RGB> defaultColours;
std::vector<RGB> colours;
