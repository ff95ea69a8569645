#pragma once
#include <allegro5/allegro.h>

#include "frame/rgb.h"
#include "menus/tamwick_menu.h"

class BitmapWrapper;

// Red, green and blue of one colour with a sample of the result; there is no
// cancel: "Apply & Back" stores the edited colour and is the only way out
// (besides closing the window, which keeps the colour as it was).
class ColourEditor {
public:
    ColourEditor(ALLEGRO_COLOR& colour, int x);

    void update(int lowestY);
    // Black, the menu, and the sample square in the edited colour.
    void render(BitmapWrapper& target);
    bool done() const;

    TamwickMenu menu;
    int red = 0;
    int green = 0;
    int blue = 0;

private:
    void reload();

    ALLEGRO_COLOR& colour_;
    bool applied_ = false;
};

// Runs the editor on the colour until "Apply & Back".
void menuEditColour(ALLEGRO_COLOR& colour);
void menuEditColour(RGB& colour);
