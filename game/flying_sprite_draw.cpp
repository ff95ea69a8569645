#include "game/flying_sprite.h"

void FlyingSprite::draw() const {}
