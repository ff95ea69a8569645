#pragma once
#include <allegro5/allegro.h>
#include <map>
#include <utility>
#include <vector>

#include "frame/vector2.h"

// One joint of the title figure.
struct FigureNode {
    int baseX = 0;
    int baseY = 0;
    int amplitudeX = 0;
    int amplitudeY = 0;
    float phaseX = 0;
    float phaseY = 0;
    int xParent = 0;   // 0 = none
    int yParent = 0;
};

// The stick figure that dances on the title screen.
struct AnimatedFigure {
    AnimatedFigure();

    std::vector<int> nodeIds;
    std::map<int, FigureNode> nodes;
    std::vector<std::pair<int, int>> lines;
    std::vector<std::pair<int, int>> rectangles;
    std::vector<int> dots;
    float time = 0;
    float scale = 2.5f;
    int yOffset = -300;
    int dotSize = 2;
};

Vector2 calcNodePosition(AnimatedFigure& figure, int id);
void drawTitleAnimation(AnimatedFigure& figure, ALLEGRO_BITMAP* target);
// The title logo centred on x at the top, with its subtitle line when asked.
void drawLogo(int x, bool subtitle);
