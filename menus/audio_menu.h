#pragma once
#include <optional>

#include "media/bitmap_wrapper.h"
#include "menus/menu_layout.h"
#include "menus/tamwick_menu.h"

// The music and sound-effect volumes, each change heard and saved in the
// update that makes it.
class AudioScreen {
public:
    AudioScreen(const TamwickMenuLayoutOptions* layout, int x);

    // Escape (or a menu controller's button 2) closes; then the menu, then
    // any volume that changed is written to the file and set on its mixer.
    void update(int lowestY);
    // The background (black when none) with the menu over it.
    void render(BitmapWrapper& target, const BitmapPtr& background);
    bool done() const;

    TamwickMenu menu;
    int music;
    int effects;

private:
    int appliedMusic_;
    int appliedEffects_;
    bool closed_ = false;
};

// The volume screen: saves each change at once. A null background is black,
// a null layout the default one, an empty x the screen's middle less 200.
void menuAudio(BitmapPtr background, const TamwickMenuLayoutOptions* layout, std::optional<int> x);
