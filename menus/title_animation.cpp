#include "menus/title_animation.h"

// Stand-ins until the title animation is built.
AnimatedFigure::AnimatedFigure() = default;

Vector2 calcNodePosition(AnimatedFigure&, int)
{
    return {0, 0};
}

void drawTitleAnimation(AnimatedFigure&, ALLEGRO_BITMAP*) {}
void drawLogo(int, bool) {}
