#include "media/sprites.h"

// Stand-ins until sprite loading and the recolour shader are in.
void loadBitmaps(std::optional<int>) {}
void createShaders() {}
void destroyShaders() {}
