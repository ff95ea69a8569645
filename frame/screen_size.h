#pragma once

// The logical screen size: what every screen draws into and where the game's
// texts are placed. 0 x 0 until the first screen sets it.
extern int screenWidth;
extern int screenHeight;
