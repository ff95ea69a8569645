#include "game/draw/draw_helpers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "frame/display/display.h"
#include "media/bitmap_draw.h"
#include "media/text.h"

ALLEGRO_BITMAP* roundCanvas()
{
    return screenBitmap ? screenBitmap->bitmap : nullptr;
}

void drawCentredText(ALLEGRO_BITMAP* target, const ALLEGRO_FONT* font, int x, int y,
                     std::string_view text)
{
    drawText(target, font, x, y, al_map_rgb(255, 255, 255), text, ALLEGRO_ALIGN_CENTRE);
}

void drawEightAround(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int x, int y, float radius,
                     int alpha)
{
    for (int i = 0; i < 8; ++i) {
        const double angle = i * std::numbers::pi / 4.0;
        const int dx = int(std::cos(angle) * radius);
        const int dy = int(std::sin(angle) * radius);
        drawBitmap(target, source, x + dx, y + dy, false, alpha);
    }
}

int respawnFadeAlpha(int respawnTimer, int multiplier)
{
    const int m = std::max(multiplier, 1);
    return std::clamp(255 - std::min(2 * respawnTimer, 255) / m, 0, 255);
}
