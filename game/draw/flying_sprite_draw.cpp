#include "game/draw/draw_helpers.h"
#include "game/flying_sprite.h"
#include "game/draw/player_sprite_draw.h"
#include "media/bitmap_draw.h"

// Turns and scales about the body's centre, placed at the middle of the
// player's box where the sprite was made.
void FlyingSprite::draw() const
{
    ALLEGRO_BITMAP* canvas = roundCanvas();
    if (!canvas)
        return;
    const PlayerSprite picture = getSprite(sprite);
    drawBitmapScaledRotated(canvas, picture.bitmap->bitmap, 16, 43, x + 16, y + 16, angle, scale, 255);
}
