#include "frame/screen_size.h"

int screenWidth = 0;
int screenHeight = 0;
