#include "game/flying_sprite.h"

#include <cstdlib>
#include <vector>

FlyingSprite::FlyingSprite(const SpriteState& sprite_, int x_, int y_, int x2_, int y2_,
                           float scaleSpeed_, float spin_, int delay_)
    : sprite(sprite_), x(x_), y(y_), x2(x2_), y2(y2_), scaleSpeed(scaleSpeed_), spin(spin_),
      delay(delay_)
{
}

void FlyingSprite::update(int updateRate)
{
    --delay;
    if (delay >= 1)
        return;
    scaleSpeed -= 0.5f / float(updateRate);
    scale += scaleSpeed;
    angle += spin / float(updateRate);
}

void updateFlyingSprites(std::vector<std::unique_ptr<FlyingSprite>>& sprites, int updateRate)
{
    for (auto& sprite : sprites)
        sprite->update(updateRate);
    std::erase_if(sprites, [](const std::unique_ptr<FlyingSprite>& s) { return s->scale < 0.01f; });
}

std::unique_ptr<FlyingSprite> makeFlyingSprite(const SpriteState& sprite, int x, int y,
                                               float scaleSpeed, float spin, int delay)
{
    return std::make_unique<FlyingSprite>(sprite, x, y, x, y, scaleSpeed, spin, delay);
}

std::unique_ptr<FlyingSprite> makeFlyingSpriteRandom(const SpriteState& sprite, int x, int y,
                                                     float scaleSpeed)
{
    const float spin = float(std::rand() % 91 - 45);
    return makeFlyingSprite(sprite, x, y, scaleSpeed, spin, 0);
}
