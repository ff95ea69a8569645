#include "menus/title_animation.h"

#include <cmath>

#include "frame/display/display.h"
#include "frame/game_ids.h"
#include "media/bitmap_draw.h"
#include "media/fonts.h"
#include "media/primitives.h"
#include "media/sprites.h"
#include "media/text.h"

namespace {

constexpr float lineThickness = 2.0f;
const char* const subtitleText = "20th anniversary edition!";

}

AnimatedFigure::AnimatedFigure()
{
    // Feet, hips, then the body up to the head; the face hangs off the head's
    // two corners. Units before scaling; phases in radians.
    const std::vector<std::pair<int, FigureNode>> table = {
        {1, {100, 0, 40, 30, 0.0f, 3.0f, 0, 3}},
        {2, {200, 0, 40, 30, 3.0f, 0.0f, 0, 4}},
        {3, {100, 300, 60, 5, 0.0f, 1.0f, 0, 0}},
        {4, {200, 300, 30, 5, 1.0f, 2.0f, 0, 0}},
        {5, {150, 300, 20, 5, 0.0f, 1.0f, 0, 0}},
        {6, {150, 260, 10, 5, 2.0f, 1.0f, 0, 0}},
        {7, {-20, -30, 0, 0, 0.0f, 0.0f, 6, 6}},
        {8, {20, 0, 0, 0, 0.0f, 0.0f, 6, 6}},
        {9, {150, 50, 10, 0, 0.0f, 0.0f, 0, 5}},
        {10, {-20, 35, 0, 5, 0.0f, 0.0f, 9, 9}},
        {11, {20, 35, 0, 8, 0.0f, 2.0f, 9, 9}},
        {12, {-10, 1, 2, 3, 0.0f, 0.1f, 10, 10}},
        {13, {10, 1, 3, 2, 20.0f, 0.0f, 11, 11}},
        {14, {10, 10, 0, 0, 0.0f, 0.0f, 7, 7}},
        {15, {-10, 10, 0, 0, 0.0f, 0.0f, 8, 7}},
        {16, {5, 20, 0, 0, 0.0f, 0.0f, 7, 7}},
        {17, {5, -5, 0, 0, 0.0f, 0.0f, 7, 8}},
        {18, {-5, -5, 0, 0, 0.0f, 0.0f, 8, 8}},
        {19, {-5, 20, 0, 0, 0.0f, 0.0f, 8, 7}},
    };
    for (const auto& [id, node] : table) {
        nodeIds.push_back(id);
        nodes[id] = node;
    }
    lines = {{3, 4}, {4, 2}, {3, 1}, {5, 6}, {7, 8}, {5, 9}, {9, 10},
             {9, 11}, {12, 10}, {13, 11}, {16, 17}, {18, 17}, {18, 19}};
    dots = {14, 15};
}

Vector2 calcNodePosition(AnimatedFigure& figure, int id)
{
    // An unknown id is added as a node at the origin, as the map's lookup does.
    const FigureNode node = figure.nodes[id];
    const float px = node.xParent ? float(calcNodePosition(figure, node.xParent).x) : 0.0f;
    const float py = node.yParent ? float(calcNodePosition(figure, node.yParent).y) : 0.0f;
    const float t = figure.time;
    const float s = figure.scale;
    const int x = int(std::sin(t + node.phaseX) * float(node.amplitudeX) * s + float(node.baseX) * s + px);
    const int y = int(std::sin(t + node.phaseY) * float(node.amplitudeY) * s + float(node.baseY) * s + py);
    return {x, y};
}

void drawTitleAnimation(AnimatedFigure& figure, ALLEGRO_BITMAP* target)
{
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    const int dy = figure.yOffset;
    for (const auto& [a, b] : figure.lines) {
        const Vector2 pa = calcNodePosition(figure, a);
        const Vector2 pb = calcNodePosition(figure, b);
        drawLine(target, pa.x, pa.y + dy, pb.x, pb.y + dy, white, lineThickness);
    }
    for (const auto& [a, b] : figure.rectangles) {
        const Vector2 pa = calcNodePosition(figure, a);
        const Vector2 pb = calcNodePosition(figure, b);
        drawRectangle(target, pa.x, pa.y + dy, pb.x, pb.y + dy, white, lineThickness);
    }
    const int size = figure.dotSize;
    for (int n : figure.dots) {
        const Vector2 p = calcNodePosition(figure, n);
        if (size == 1) {
            putPixel(target, p.x, p.y + dy, white);
        } else {
            const int left = p.x - size / 2;
            const int top = p.y + dy - size / 2;
            drawFilledRectangle(target, left, top, left + size, top + size, white);
        }
    }
}

void drawLogo(int x, bool subtitle)
{
    if (!screenBitmap)
        return;
    const int width = spriteWidth(SpriteId::TitleLogo);
    drawSprite(screenBitmap->bitmap, SpriteId::TitleLogo, x - width / 2, 0, false);
    if (subtitle)
        drawText(screenBitmap->bitmap, font30, screenWidth / 2, spriteHeight(SpriteId::TitleLogo) + 10,
                 al_map_rgb(255, 255, 255), subtitleText, ALLEGRO_ALIGN_CENTRE);
}
