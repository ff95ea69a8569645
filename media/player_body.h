#pragma once
#include "frame/facing.h"
#include "frame/vector2.h"
#include "media/sprite_part.h"

// The body sprite for a facing and walk frame (0..6): the profile for right
// and left (mirrored for left), the front view for up and down, the detonator
// pose while a remote bomb is armed. No anchor.
SpritePart playerBodySprite(Facing facing, int frame, bool remoteArmed);

// Where a player holds what it carries, within its 32x32 box, for a facing and walk frame.
Vector2 playerCarryOffset(Facing facing, int frame);
