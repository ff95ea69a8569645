#pragma once
#include <string>
#include <vector>

#include "frame/rgb.h"
#include "menus/menu_press_gate.h"

// One centred line of the credits: large lines in the 24-point font, small
// ones in the 20-point font.
struct CreditLine {
    bool large = true;
    RGB colour;
    std::string text;
};

// The credit lines from the top, in order.
const std::vector<CreditLine>& creditLines();

// The credits: fixed lines over the studio logo, which drifts about the
// screen, swings round and zooms in and out. Ends on Escape or button 2.
class CreditsScreen {
public:
    // For a screen of the given size (the logical screen size).
    CreditsScreen(int width, int height);

    void update();
    // Onto the screen bitmap.
    void render();
    bool done() const;

    // Where the logo's top-left corner is, its turn (255 units a full turn)
    // and its zoom.
    float logoX = 0;
    float logoY = 0;
    float angle = 0;
    float zoom = 1.0f;

private:
    int width_;
    int height_;
    float a1_ = 0, a2_ = 0, a3_ = 0, a4_ = 0;
    MenuPressGate escape_;
    bool done_ = false;
};
