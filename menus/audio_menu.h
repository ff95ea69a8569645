#pragma once
#include <optional>

#include "media/bitmap_wrapper.h"
#include "menus/menu_layout.h"

// The volume screen: saves each change at once. A null background is black,
// a null layout the default one, an empty x the screen's middle less 200.
void menuAudio(BitmapPtr background, const TamwickMenuLayoutOptions* layout, std::optional<int> x);
