#pragma once
#include <vector>

#include "frame/rgb.h"

// Players' colours: seven fixed ones, then random colours that stand out from
// the arena background, 100 in all. The colour menu edits this table in place.
extern std::vector<RGB> playerColours;
// Set to have the table rebuilt on its next use (the accessibility reset).
extern bool paletteDirty;

inline constexpr int paletteSize = 100;

// The player colour table, rebuilt when the background colour has changed
// since it was built or it is marked dirty. The same background always gives
// the same table.
std::vector<RGB> buildColourPalette();
