#include "media/sound.h"

// Stand-ins until sound effects and music are in.
void installSound(int, int) {}
void shutdownSound() {}
